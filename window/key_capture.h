// Naming a key by pressing it: 按钮_按键 arms the capture, and the next key
// pressed, with the modifiers held, goes into the key box under its Allegro
// name (AllegroKeyName), replacing the box's text. While armed the button
// looks pushed and says so, 标签7 says what to press, and every key belongs
// to the capture: Esc, Tab, Enter, Delete and the arrows too. A modifier
// alone waits for the key; Ctrl+C, Ctrl+V and Ctrl+X, and keys Allegro has
// no name for, write nothing and 标签7 says why. A click elsewhere, the
// focus leaving the button, or a click on the button again ends the capture
// and changes nothing.
#pragma once

#include <windows.h>

#include <string_view>

namespace keyloom {

// The texts the capture shows (code page 936).
inline constexpr std::string_view kKeyCaptureArmedCaption = "请按键…";
inline constexpr std::string_view kKeyCaptureHint = "请按键，可带 Ctrl、Alt、Shift";
inline constexpr std::string_view kCopyKeyNote = "Ctrl+C 是 Allegro 的复制键";
inline constexpr std::string_view kPasteKeyNote = "Ctrl+V 是 Allegro 的粘贴键";
inline constexpr std::string_view kCutKeyNote = "Ctrl+X 是 Allegro 的剪切键";
inline constexpr std::string_view kNoNameNote = "这个键在 Allegro 里没有名字";
// How long a refusal's note stays, in milliseconds.
inline constexpr UINT kKeyNoteMilliseconds = 5000;

// 按钮_按键 clicked: arms the capture, or ends it when armed.
void ToggleKeyCapture();

bool IsKeyCaptureArmed();

// Every message of the message loops comes here first. While armed it
// takes the window's key messages (true: used up) and ends the capture on
// a mouse press anywhere but the button (false: the press goes on). After
// a capture it takes the releases of the keys pressed during it, so none
// acts on its own (a Space on the button, an Alt that would open the
// system menu).
bool TakeKeyCaptureMessage(const MSG& message);

// The button lost the focus: an armed capture ends, changing nothing.
void OnKeyCaptureButtonFocusLost();

// The key box's text changed: a refusal's note is old news.
void ClearKeyNote();

// The window is gone: nothing is armed or held.
void ForgetKeyCapture();

}  // namespace keyloom
