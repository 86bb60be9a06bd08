#include "core/allegro_keys.h"

namespace keyloom {

namespace {

// The keys named by a word, which take the modifier letters before it.
struct WordKey {
    int virtualKey;
    const char* word;
};
constexpr WordKey kWordKeys[] = {
    {vk::kUp, "Up"},         {vk::kDown, "Down"},  {vk::kLeft, "Left"},  {vk::kRight, "Right"},
    {vk::kHome, "Home"},     {vk::kEnd, "End"},    {vk::kPrior, "Pgup"}, {vk::kNext, "Pgdown"},
    {vk::kInsert, "Insert"}, {vk::kDelete, "Del"},
};

bool IsModifierKey(int key) {
    switch (key) {
        case vk::kShift:
        case vk::kControl:
        case vk::kMenu:
        case vk::kLeftShift:
        case vk::kRightShift:
        case vk::kLeftControl:
        case vk::kRightControl:
        case vk::kLeftMenu:
        case vk::kRightMenu:
            return true;
    }
    return false;
}

// A letter, digit or punctuation: the printable ASCII characters but the
// space.
bool IsTypedCharacter(char c) {
    return c > ' ' && c < 0x7F;
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char UpperCase(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The word of a key that takes modifier letters: F1..F12 and the
// navigation keys; empty for any other.
std::string KeyWord(int key) {
    if (key >= vk::kF1 && key <= vk::kF12) return "F" + std::to_string(key - vk::kF1 + 1);
    for (const WordKey& entry : kWordKeys) {
        if (entry.virtualKey == key) return entry.word;
    }
    return std::string();
}

KeyName Named(std::string name) {
    return {KeyNaming::Named, std::move(name)};
}

KeyName NoName() {
    return {KeyNaming::NoName, std::string()};
}

// Ctrl (without Alt) with a character: ~ and the character, ~S and the
// letter with Shift too; Ctrl+C, V and X are Allegro's own.
KeyName CtrlCharacterName(const KeyPress& press) {
    const char c = press.character;
    if (!IsTypedCharacter(c)) return NoName();
    if (!press.shift) {
        const char upper = UpperCase(c);
        if (upper == 'C' || upper == 'V' || upper == 'X') return {KeyNaming::Reserved, ""};
        return Named(std::string("~") + upper);
    }
    // With Shift a letter's character is the letter still; another key's
    // is its shifted mark, which no env is known to spell.
    if (IsLetter(c)) return Named(std::string("~S") + UpperCase(c));
    return NoName();
}

// A character typed without Ctrl or Alt: the character itself, but for
// the quotation marks, which would open a quoted key, and ~, Allegro's Ctrl
// mark.
KeyName BareCharacterName(char c) {
    if (!IsTypedCharacter(c) || c == '\'' || c == '"' || c == '~') return NoName();
    return Named(std::string(1, c));
}

}  // namespace

KeyName AllegroKeyName(const KeyPress& press) {
    const int key = press.virtualKey;
    if (IsModifierKey(key)) return {KeyNaming::WaitForKey, std::string()};
    // The keypad's keys have no name, whatever the caller could tell.
    if (press.numericKeypad || (key >= vk::kNumpad0 && key <= vk::kDivide)) return NoName();
    const std::string word = KeyWord(key);
    if (!word.empty()) {
        std::string name;
        if (press.ctrl) name += 'C';
        if (press.alt) name += 'A';
        if (press.shift) name += 'S';
        return Named(name + word);
    }
    const bool modified = press.ctrl || press.alt || press.shift;
    switch (key) {
        case vk::kEscape:
            return modified ? NoName() : Named("Esc");
        case vk::kTab:
            return modified ? NoName() : Named("Tab");
        case vk::kSpace:
            return modified ? NoName() : Named("' '");
        case vk::kReturn:
        case vk::kBack:
        case vk::kLeftWin:
        case vk::kRightWin:
        case vk::kApps:
            return NoName();
    }
    if (press.alt) return NoName();
    if (press.ctrl) return CtrlCharacterName(press);
    return BareCharacterName(press.character);
}

HotkeyVerb DefaultVerbForKey(std::string_view key) {
    if (key.size() == 1 && IsTypedCharacter(key[0])) return HotkeyVerb::Funckey;
    if (key == "' '") return HotkeyVerb::Funckey;
    return HotkeyVerb::Alias;
}

}  // namespace keyloom
