#include "tests/core/text_generator.h"

#include <string_view>

namespace keyloom::testing {
namespace {

using namespace std::string_view_literals;

// Pieces of env text, common ones listed more than once.
constexpr std::string_view kTextPieces[] = {
    // words, spaces and line ends
    "alias", "alias", "funckey", "set", "F2", "zoom", "x", "#", "\\", " ", " ", " ", "  ", "\t",  //
    "'", "\"", "' '",                                                                             //
    "\r\n", "\r\n", "\r\n", "\r", "\n", "\0"sv,                                                   //
    // full-width space, lone lead bytes, characters with awkward second bytes
    "\xA1\xA1", "\xA1", "\xB0", "\xB0\xA1", "\xD6\xD0",  //
    "\x81\x20", "\x81\x0D", "\x81\x23", "\x81\x5C",      //
    // what reading removes or stops at, whole and in parts
    "source $TELENV", "source", "$TELENV", "###", "User Preferences section",  //
    "### User Preferences section"};

// Pieces of keys and commands: mostly ordinary, some of them hazards.
constexpr std::string_view kEntryPieces[] = {
    "F",        "2",        "~R",       "'zoom fit'", "pan",      " ",
    " ",        "\t",       "\r",       "\n",         "#",        "\\",        //
    "\xA1\xA1", "\xD6\xD0", "\xB1\xED", "\xB0",       "\x81\x20", "\x81\x0D",  //
    "\x81\x23", "\x81\x5C", "###",      "$TELENV",    "source",   "User"};

template <std::size_t N>
std::string Pick(std::mt19937& random, const std::string_view (&pieces)[N], int count) {
    std::uniform_int_distribution<std::size_t> which(0, N - 1);
    std::string text;
    for (int i = 0; i < count; ++i) text += pieces[which(random)];
    return text;
}

}  // namespace

std::string RandomText(std::mt19937& random, int pieces) {
    return Pick(random, kTextPieces, pieces);
}

HotkeyEntry RandomEntry(std::mt19937& random) {
    std::uniform_int_distribution<int> length(0, 4);
    return {Pick(random, kEntryPieces, length(random)), Pick(random, kEntryPieces, length(random))};
}

std::vector<HotkeyEntry> RandomEntries(std::mt19937& random, int count) {
    std::vector<HotkeyEntry> entries;
    for (int i = 0; i < count; ++i) entries.push_back(RandomEntry(random));
    return entries;
}

}  // namespace keyloom::testing
