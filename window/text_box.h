// A modal box that shows a long text, read-only, in the content box's own
// layout: a system message box lays out its whole text before it shows
// itself (seconds for megabytes), this one only the lines in view. It is
// modal to the whole application and has no owner window, as the program's
// message boxes are; one button, 确定, closes it, and so do Enter and Esc.
// The text can be scrolled, selected and copied with the keys and the
// mouse.
#pragma once

#include <string>

namespace keyloom {

// text: bytes as the content box shows them; title: code page 936, as every
// program text. Returns when the box is closed. Shown through ShowBox
// (boxes.h), which gives the keyboard back afterwards.
void ShowTextBoxWindow(std::string text, const char* title);

}  // namespace keyloom
