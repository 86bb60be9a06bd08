// The window class of the content box 编辑框1: a multi-line edit box that
// lays out its text itself. Wine's own multi-line edit box measures every
// line through Uniscribe whenever it is given a text (about a microsecond a
// byte, and a long line costs the square of its length), so a large env
// kept the window from answering for seconds, a long line for minutes. This
// box measures each character of its font once and counts the rest, and it
// draws only the lines it shows, so any text is shown at once.
//
// It behaves as an edit box does: the caret and the selection with the
// keys and the mouse, typing (Chinese through the input method too), Enter
// for a line break, Backspace and Delete, Ctrl+A, C, X, V and Z, the edit
// box's own context menu, the scroll bar and the mouse wheel; long lines
// wrap at the box's width; the selection shows only while the box has the
// focus. Its colours come from the parent's WM_CTLCOLOREDIT, as an edit
// box's do. It answers the messages an edit box does for its text, its
// selection and its lines (WM_SETTEXT, WM_GETTEXT, EM_GETSEL, EM_SETSEL,
// EM_REPLACESEL, EM_GETFIRSTVISIBLELINE, EM_LINESCROLL, EM_GETLINECOUNT, ...),
// with the text as code page 936 bytes.
#pragma once

#include <windows.h>

#include <string>

namespace keyloom {

inline constexpr char kMemoClassName[] = "KeyloomMemo";

// Registers the class for the program; done once, before the window is
// made.
void RegisterMemoClass(HINSTANCE instance);

// Replaces the box's whole text, as WM_SETTEXT does, taking over the bytes
// instead of copying them from a zero-terminated string.
void SetMemoText(HWND memo, std::string text);

}  // namespace keyloom
