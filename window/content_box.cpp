#include "window/content_box.h"

#include <windows.h>

#include <climits>
#include <string>

#include "core/text_rules.h"
#include "window/control_names.h"
#include "window/window_ops.h"

namespace keyloom {

namespace {

// Each slice costs the box its layout and a walk over all lines so far, so
// slices are few and large: a few tenths of a second each under Wine, and
// 100,000 rows in about the time of one whole new text.
constexpr std::size_t kSliceBytes = 64 * 1024;

// The end of the slice that begins at start: after the first CR LF at or
// beyond kSliceBytes, or the end of the text. Slices end at character
// starts, so a double-byte character is never cut.
std::size_t SliceEnd(std::string_view text, std::size_t start) {
    std::size_t end = start;
    while (end < text.size() && end - start < kSliceBytes) {
        const std::size_t lineEnd = FindAtCharStart(text, "\r\n", end);
        end = lineEnd == std::string_view::npos ? text.size() : lineEnd + 2;
    }
    return end;
}

}  // namespace

void ShowSavedText(std::string_view text) {
    HWND box = ControlWindow(kContentBox);
    if (box == nullptr) return;
    if (text.size() <= kSliceBytes) {
        SetControlText(kContentBox, text);
        return;
    }
    SetWindowTextA(box, "");
    // Appending is held to the box's length limit; the box has none.
    SendMessageA(box, EM_SETLIMITTEXT, 0, 0);
    std::string slice;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = SliceEnd(text, start);
        slice.assign(text.substr(start, end - start));
        SendMessageA(box, EM_SETSEL, static_cast<WPARAM>(INT_MAX), static_cast<LPARAM>(INT_MAX));
        SendMessageA(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(slice.c_str()));
        ProcessPendingMessages();
        start = end;
    }
    // As a whole new text would: the caret at the start, the first lines shown.
    SendMessageA(box, EM_SETSEL, 0, 0);
    SendMessageA(box, EM_SCROLLCARET, 0, 0);
}

}  // namespace keyloom
