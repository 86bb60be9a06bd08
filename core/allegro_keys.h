// Keys as Allegro's env spells them: a key pressed with its modifiers, named
// the way an alias or funckey line writes it (SF2, ~R, Pgdown, m, ' '), and
// the verb a key is bound with unless the user chooses.
//
// The names:
//   F1..F12, Up Down Left Right Home End Pgup Pgdown Insert Del: with the
//     modifier letters in the order C (Ctrl), A (Alt), S (Shift) before
//     them (SF2, CAF2, CASF2, CSLeft, SDel);
//   Esc, Tab, and Space as ' ' (with the quotes): without modifiers only;
//   Ctrl with a letter, digit or punctuation: ~ and the character, letters
//     upper case (~R, ~1, ~]); Ctrl+Shift with a letter: ~S and the letter
//     (~SZ); Ctrl+C, Ctrl+V and Ctrl+X are Allegro's copy, paste and cut;
//   a letter, digit or punctuation without Ctrl or Alt: the character it
//     types, case-sensitive (m, M, 1, -, +, [).
// Everything else has no name: Enter, Backspace, the numeric keypad, the
// Windows and menu keys, the lock keys, F13 and on, Esc, Tab and Space with
// a modifier, Alt or Ctrl+Alt with a character (AltGr included), Ctrl+Shift
// with a character that is not a letter, the quotation marks ' and " (a
// key that begins with one is read up to the next) and ~ alone (the Ctrl
// mark), and any character outside ASCII.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/env_lines.h"

namespace keyloom {

// The virtual-key codes the names need, with Windows' values (the core
// knows no windows.h).
namespace vk {
inline constexpr int kBack = 0x08, kTab = 0x09, kReturn = 0x0D;
inline constexpr int kShift = 0x10, kControl = 0x11, kMenu = 0x12;
inline constexpr int kPause = 0x13, kCapital = 0x14, kEscape = 0x1B, kSpace = 0x20;
inline constexpr int kPrior = 0x21, kNext = 0x22, kEnd = 0x23, kHome = 0x24;
inline constexpr int kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28;
inline constexpr int kInsert = 0x2D, kDelete = 0x2E;
inline constexpr int kLeftWin = 0x5B, kRightWin = 0x5C, kApps = 0x5D;
inline constexpr int kNumpad0 = 0x60, kNumpad9 = 0x69;
inline constexpr int kMultiply = 0x6A, kAdd = 0x6B, kSeparator = 0x6C, kSubtract = 0x6D;
inline constexpr int kDecimal = 0x6E, kDivide = 0x6F;
inline constexpr int kF1 = 0x70, kF12 = 0x7B, kF13 = 0x7C, kF24 = 0x87;
inline constexpr int kNumLock = 0x90, kScroll = 0x91;
inline constexpr int kLeftShift = 0xA0, kRightShift = 0xA1;
inline constexpr int kLeftControl = 0xA2, kRightControl = 0xA3;
inline constexpr int kLeftMenu = 0xA4, kRightMenu = 0xA5;
}  // namespace vk

struct KeyPress {
    int virtualKey;  // Windows virtual-key code
    bool ctrl, alt, shift;
    // The ASCII character the key types with this Shift state and no
    // Ctrl/Alt (from the keyboard layout), 0 when none.
    char character;
    // The key is on the numeric keypad (its digits and operators, and its
    // Enter, arrows and other keys where that can be told).
    bool numericKeypad;
};

enum class KeyNaming : std::uint8_t {
    Named,
    WaitForKey,  // a modifier alone: the key itself is still to come
    Reserved,    // Ctrl+C, Ctrl+V, Ctrl+X: Allegro's copy, paste and cut
    NoName
};

struct KeyName {
    KeyNaming naming;
    std::string name;  // empty unless Named
};

KeyName AllegroKeyName(const KeyPress& press);

// funckey when key is one typed character (letter, digit or punctuation)
// or the quoted Space ' ', else alias.
HotkeyVerb DefaultVerbForKey(std::string_view key);

}  // namespace keyloom
