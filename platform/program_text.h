// The program's own texts (captions, titles, messages) are code page 936
// bytes, as the compiler encodes them. On a Windows whose ANSI code page is
// another one, the ANSI functions would show them as other characters, so
// they reach the screen as wide text, converted here and nowhere else. The
// env file's bytes are not the program's texts: they stay in the system's
// ANSI code page, in which Allegro writes them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace keyloom {

// Code page 936 bytes to UTF-16, and a caption read back the other way.
std::wstring WideProgramText(std::string_view text);
std::string ProgramTextFromWide(std::wstring_view text);

// The same into a fixed buffer of capacity characters, ended with a zero;
// one more character than the text has bytes always suffices. For the fatal
// error path, which may run where no memory can be had.
void WideProgramText(std::string_view text, wchar_t* out, std::size_t capacity);

// Text of the env file as the ANSI functions would show it: the system's
// ANSI code page.
std::wstring WideAnsiText(std::string_view text);

}  // namespace keyloom
