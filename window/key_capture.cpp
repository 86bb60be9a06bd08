#include "window/key_capture.h"

#include <bitset>
#include <string>

#include "core/allegro_keys.h"
#include "window/controls/control_ids.h"
#include "window/controls/control_table.h"
#include "window/controls/window_registry.h"
#include "window/edit_panel.h"
#include "window/key_press.h"
#include "window/window_ops.h"

namespace keyloom {

namespace {

// The note's timer on the main window; control timers use control ids,
// which start at 1000.
constexpr UINT_PTR kKeyNoteTimerId = 0x4B4E;

bool gArmed = false;
// The keys pressed during a capture whose release has not come yet.
std::bitset<256> gHeld;

HWND CaptureButton() {
    return ControlWindow(kKeyCaptureButton);
}

void CALLBACK OnKeyNoteTimer(HWND window, UINT, UINT_PTR id, DWORD) {
    KillTimer(window, id);
    if (!gArmed) SetControlText(kKeyNoteLabel, "");
}

void ShowNote(std::string_view note) {
    SetControlText(kKeyNoteLabel, note);
    if (HWND window = MainWindow()) {
        if (note.empty()) {
            KillTimer(window, kKeyNoteTimerId);
        } else {
            SetTimer(window, kKeyNoteTimerId, kKeyNoteMilliseconds, OnKeyNoteTimer);
        }
    }
}

// The button as the table describes it, and the note (empty for none).
void EndCapture(std::string_view note) {
    gArmed = false;
    const int index = ControlIndexOfId(kKeyCaptureButton);
    if (index >= 0) SetControlText(kKeyCaptureButton, kControls[index].caption);
    if (HWND button = CaptureButton()) SendMessageW(button, BM_SETSTATE, FALSE, 0);
    ShowNote(note);
}

void Arm() {
    HWND button = CaptureButton();
    if (!button || IsInHiddenEditPanel(button)) return;
    if (GetFocus() != button) SetFocus(button);
    gArmed = true;
    gHeld.reset();
    SetControlText(kKeyCaptureButton, kKeyCaptureArmedCaption);
    SendMessageW(button, BM_SETSTATE, TRUE, 0);
    // The hint stays while armed; no timer takes it away.
    SetControlText(kKeyNoteLabel, kKeyCaptureHint);
    if (HWND window = MainWindow()) KillTimer(window, kKeyNoteTimerId);
}

std::string_view ReservedKeyNote(char character) {
    switch (character) {
        case 'v':
        case 'V':
            return kPasteKeyNote;
        case 'x':
        case 'X':
            return kCutKeyNote;
    }
    return kCopyKeyNote;
}

void TakePress(const KeyPress& press) {
    const KeyName name = AllegroKeyName(press);
    switch (name.naming) {
        case KeyNaming::WaitForKey:
            return;
        case KeyNaming::Named:
            EndCapture("");
            SetControlText(kKeyBox, name.name);
            return;
        case KeyNaming::Reserved:
            EndCapture(ReservedKeyNote(press.character));
            return;
        case KeyNaming::NoName:
            EndCapture(kNoNameNote);
            return;
    }
}

bool IsMousePress(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
        case WM_NCMBUTTONDOWN:
            return true;
    }
    return false;
}

}  // namespace

void ToggleKeyCapture() {
    if (gArmed) {
        EndCapture("");
    } else {
        Arm();
    }
}

bool IsKeyCaptureArmed() {
    return gArmed;
}

bool TakeKeyCaptureMessage(const MSG& message) {
    if (!gArmed && gHeld.none()) return false;
    HWND window = MainWindow();
    if (!window || !message.hwnd) return false;
    if (message.hwnd != window && !IsChild(window, message.hwnd)) return false;
    const auto key = static_cast<std::size_t>(message.wParam & 0xFF);
    switch (message.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: {
            if (!gArmed) return false;
            // The panel went away under the capture: the key is the
            // window's again.
            if (IsInHiddenEditPanel(CaptureButton())) {
                EndCapture("");
                return false;
            }
            gHeld.set(key);
            // A key held since before is no new press.
            const bool repeat = (message.lParam & (LPARAM(1) << 30)) != 0;
            if (!repeat) TakePress(ReadKeyPress(message.wParam, message.lParam));
            return true;
        }
        case WM_KEYUP:
        case WM_SYSKEYUP:
            if (gHeld.test(key)) {
                gHeld.reset(key);
                return true;
            }
            return gArmed;
        case WM_CHAR:
        case WM_SYSCHAR:
        case WM_DEADCHAR:
        case WM_SYSDEADCHAR:
            return gArmed;
    }
    if (gArmed && IsMousePress(message.message) && message.hwnd != CaptureButton()) {
        EndCapture("");
    }
    return false;
}

void OnKeyCaptureButtonFocusLost() {
    if (gArmed) EndCapture("");
}

void ClearKeyNote() {
    if (!gArmed) ShowNote("");
}

void ForgetKeyCapture() {
    gArmed = false;
    gHeld.reset();
}

}  // namespace keyloom
