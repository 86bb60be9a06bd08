// In-process window tests: the real main window, made as start-up makes it
// (without the message loop), driven by real messages.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/message_box.h"
#include "tests/harness/named_controls.h"

namespace keyloom::test {

// The folder of the running test program, and the env file in it, which the
// window's session opens.
std::string TestProgramFolder();
std::string TestEnvPath();

// Writes envBytes to TestEnvPath(), then creates the window, runs its
// created handler and shows it, as start-up does. The skin library is the
// one beside the test program; nothing is written into the system folder.
HWND StartMainWindowForTest(const std::string& envBytes);
// The same with no env file at all (and no env.bak: the first form leaves
// none either).
HWND StartMainWindowWithoutEnvForTest();
// The same with no env file but an env.bak of these bytes.
HWND StartMainWindowBesideBackupForTest(const std::string& backupBytes);
// Destroys the window (if still there) once its saves are done.
void CloseMainWindowForTest();

// Handles every waiting message, and those that come until every save they
// started is done and no action waits; the second form keeps at it for a
// while, so timers get their turns.
void PumpMessages();
void PumpMessagesFor(int milliseconds);

// Replaces the box seam while it lives: every box is recorded and closed
// at once; a yes/no question is recorded (style MB_YESNO) and answered 否,
// or 是 once told so.
struct RecordedBox {
    std::string text;
    std::string title;
    unsigned style;
    BoxText textKind;
};
class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;
    const std::vector<RecordedBox>& Boxes() const;
    void AnswerQuestionsYes(bool yes);
    void Clear();
};

// A click on a named button (BM_CLICK: button down and up on it), then
// the messages it caused are handled.
void ClickButton(std::string_view name);
// Left button down and up in the middle of a named control.
void PressControl(std::string_view name);
// Selects one row of 超级列表框1 as a click would (-1 clears the selection).
void SelectHotkeyRowForTest(int row);
// Replaces the text of a named edit box, as typing would.
void TypeInto(std::string_view name, std::string_view text);
// A key pressed and released on a window, through the thread's queue.
void PressKey(HWND window, UINT virtualKey);
// Keys pressed as a keyboard presses them (SendInput: the modifiers' state
// included), in order, then released in the other order, to the window
// that has the focus; then the messages they caused are handled.
void PressRealKeys(std::initializer_list<WORD> virtualKeys);
// The same with modifiers held: the thread's key state says so while the
// messages are handled (WM_SYSKEYDOWN with Alt). extended marks a key of
// the extended block (the arrows, Home, Insert, Delete... beside the
// keypad), as the keyboard does.
struct KeysHeld {
    bool ctrl = false, alt = false, shift = false;
};
void PressKeyHolding(HWND window, UINT virtualKey, KeysHeld held, bool extended = false);
// Keys pressed on the real keyboard of the X display (XTEST, through
// xdotool), as `xdotool key` names them ("ctrl+shift+F2", "Escape"), with
// the main window active and focused; the messages they bring are handled.
// False when xdotool could not be run. For 64-bit test programs only: a
// 32-bit one loses its own standard output after a few such starts.
bool PressKeysOnX(const std::string& keys);

// The rows of 超级列表框1 as {key, command} pairs.
std::vector<std::pair<std::string, std::string>> HotkeyRows();

// All bytes of a file; empty when it cannot be read.
std::string ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, std::string_view bytes);

}  // namespace keyloom::test
