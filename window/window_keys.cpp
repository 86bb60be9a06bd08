#include "window/window_keys.h"

#include <string_view>

#include "window/controls/control_ids.h"
#include "window/controls/control_table.h"
#include "window/edit_panel.h"
#include "window/controls/event_bindings.h"
#include "window/controls/window_registry.h"
#include "window/key_capture.h"
#include "window/verb_choice.h"
#include "window/window_ops.h"

namespace keyloom {

namespace {

// Keys that do on the focused control what a button does, as a click on
// it would: the same handler, with the focus left where it is.
struct ButtonKey {
    ControlId control;
    WPARAM key;
    ControlId button;
};
constexpr ButtonKey kButtonKeys[] = {
    {kHotkeyList, VK_DELETE, kDeleteButton},  {kHotkeyList, VK_RETURN, kModifyButton},
    {kHotkeyList, VK_F2, kModifyButton},      {kKeyBox, VK_RETURN, kConfirmButton},
    {kCommandBox, VK_RETURN, kConfirmButton},
};

// Access keys: Alt with the letter underlined in a button's caption does
// what a click on it does, the focus moved to it.
struct AccessKey {
    WPARAM key;
    ControlId button;
};
constexpr AccessKey kAccessKeys[] = {{'K', kKeyCaptureButton}};

// A radio button is a stop only while checked: Tab goes to the group's
// choice, the arrows move it.
bool IsTabStop(int index) {
    HWND control = ControlWindowAt(index);
    if (kControls[index].tabOrder <= 0 || !control || IsInHiddenEditPanel(control)) return false;
    return kControls[index].kind != ControlKind::RadioButton ||
           SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// Alt and a letter (without Ctrl) that a shown button answers to.
const AccessKey* AccessKeyFor(const MSG& message) {
    if (message.message != WM_SYSKEYDOWN || GetKeyState(VK_CONTROL) < 0) return nullptr;
    for (const AccessKey& entry : kAccessKeys) {
        if (entry.key != message.wParam) continue;
        HWND button = ControlWindow(entry.button);
        if (button && !IsInHiddenEditPanel(button)) return &entry;
    }
    return nullptr;
}

// The control after (or before) from in the table's Tab order, round the
// end, passing over those of the hidden panel; from a control that is no
// tab stop, the first (or last) one. Null when there is none.
HWND NextTabStop(HWND from, bool backwards) {
    const int count = static_cast<int>(kControlCount);
    int place = 0;  // tab places count from 1; 0 stands before the first
    for (int i = 0; i < count; ++i) {
        if (from && ControlWindowAt(i) == from) place = kControls[i].tabOrder;
    }
    if (backwards && place == 0) place = count + 1;
    HWND best = nullptr;
    int bestDistance = 0;
    for (int i = 0; i < count; ++i) {
        if (!IsTabStop(i)) continue;
        int distance = backwards ? place - kControls[i].tabOrder : kControls[i].tabOrder - place;
        if (distance <= 0) distance += count + 1;
        if (!best || distance < bestDistance) {
            best = ControlWindowAt(i);
            bestDistance = distance;
        }
    }
    return best;
}

// The button whose click this key stands for on this control, or none.
const ButtonKey* ButtonKeyFor(HWND control, WPARAM key) {
    for (const ButtonKey& entry : kButtonKeys) {
        if (entry.key == key && control == ControlWindow(entry.control)) return &entry;
    }
    return nullptr;
}

// Ctrl+Z takes back a change and Ctrl+Y or Ctrl+Shift+Z does it again,
// wherever the focus is but in the key and command boxes, where they undo
// the typing as in any edit box. True when the key was one of them.
bool HandleUndoKey(const MSG& message) {
    if (message.message != WM_KEYDOWN || GetKeyState(VK_CONTROL) >= 0 || GetKeyState(VK_MENU) < 0) {
        return false;
    }
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const bool undo = message.wParam == 'Z' && !shift;
    const bool redo = message.wParam == 'Y' || (message.wParam == 'Z' && shift);
    if (!undo && !redo) return false;
    if (message.hwnd == ControlWindow(kKeyBox) || message.hwnd == ControlWindow(kCommandBox)) {
        return false;
    }
    RaiseWindowEvent(undo ? ControlEvent::Undo : ControlEvent::Redo);
    return true;
}

}  // namespace

bool HandleWindowKey(const MSG& message) {
    // A key being captured belongs to the capture, Esc and Tab included.
    if (TakeKeyCaptureMessage(message)) return true;
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
    HWND window = MainWindow();
    if (!window || !message.hwnd) return false;
    if (message.hwnd != window && !IsChild(window, message.hwnd)) return false;
    if (HandleUndoKey(message)) return true;
    const bool keyDown = message.message == WM_KEYDOWN;
    if (keyDown && message.wParam == VK_ESCAPE) {
        PostMessageA(window, WM_CLOSE, 0, 0);
        return true;
    }
    // A hidden panel's control gets no key, whatever put the focus there;
    // the list takes the focus so the next key does something visible.
    if (IsInHiddenEditPanel(message.hwnd)) {
        FocusControl(kHotkeyList);
        return true;
    }
    if (keyDown && message.wParam == VK_TAB) {
        bool backwards = GetKeyState(VK_SHIFT) < 0;
        HWND next = NextTabStop(GetFocus(), backwards);
        if (next) SetFocus(next);
        return true;
    }
    if (const AccessKey* entry = AccessKeyFor(message)) {
        const bool repeat = (message.lParam & (1L << 30)) != 0;
        if (!repeat) {
            FocusControl(entry->button);
            RaiseControlEvent(entry->button, ControlEvent::Clicked);
        }
        return true;
    }
    if (keyDown && MoveVerbChoiceByKey(message.hwnd, message.wParam)) return true;
    if (keyDown) {
        if (const ButtonKey* entry = ButtonKeyFor(message.hwnd, message.wParam)) {
            // A key held down acts once: a repeat would delete row after row.
            const bool repeat = (message.lParam & (1L << 30)) != 0;
            if (!repeat) RaiseControlEvent(entry->button, ControlEvent::Clicked);
            return true;
        }
    }
    return false;
}

}  // namespace keyloom
