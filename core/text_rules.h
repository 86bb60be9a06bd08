// The text rules that reading and writing the env file share. Texts are
// code page 936 byte strings: a byte of 0x80 or more followed by a non-zero
// byte starts a two-byte character, every other byte is a character of its
// own, and every search, split and trim steps by characters, so a match never
// begins at the second byte of a character (that byte may be 0x20, 0x0D, 0x23
// or 0x5C and still belongs to its character).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace keyloom {

inline bool IsHighByte(char c) {
    return static_cast<unsigned char>(c) >= 0x80;
}

// The number of bytes (1 or 2) of the character that begins at pos < size.
std::size_t CharLengthAt(std::string_view text, std::size_t pos);

// True when a character begins at pos, or pos is the end of the text.
// base must be a character start at or before pos (0 always is); the answer
// comes from the bytes of 0x80 or more right before pos, so it costs nothing
// in plain ASCII text.
bool IsCharStart(std::string_view text, std::size_t pos, std::size_t base = 0);

// Position of the first occurrence of needle that begins at a character
// start at or after from (itself a character start), or npos.
std::size_t FindAtCharStart(std::string_view text, std::string_view needle, std::size_t from = 0);

// The same for a needle of one byte.
std::size_t FindByteAtCharStart(std::string_view text, char byte, std::size_t from = 0);

// The space characters: the byte 0x20 and the full-width space A1 A1.
bool IsSpaceAt(std::string_view text, std::size_t pos);

// text without the spaces at its start and end; at the end a lone lead byte
// (0x80 or more, last in the text) goes too. Tab, CR and LF are kept.
std::string_view TrimSpacesView(std::string_view text);
std::string_view TrimTrailingSpacesView(std::string_view text);

}  // namespace keyloom
