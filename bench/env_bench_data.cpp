#include "bench/env_bench_data.h"

#include <random>
#include <string_view>

#include "core/env_layout.h"

namespace keyloom::bench {
namespace {

constexpr std::string_view kKeys[] = {
    "F1",  "F2",     "F3",  "F4",  "F5",  "F6",   "F7",   "F8",     "F9",   "F10",
    "F11", "F12",    "~R",  "~T",  "~F",  "~S",   "~Z",   "^Z",     "Home", "End",
    "Del", "Insert", "SF2", "SF5", "CF3", "CF12", "Pgup", "Pgdown", "~Q",   "Esc"};

constexpr std::string_view kCommands[] = {"zoom fit",
                                          "zoom in",
                                          "zoom out",
                                          "redraw",
                                          "done",
                                          "oops",
                                          "cancel",
                                          "next",
                                          "grid toggle",
                                          "zoom previous",
                                          "zoom world",
                                          "angle 90",
                                          "mirror",
                                          "'iangle 45'",
                                          "'zoom points'",
                                          "'move; pick 0 0'",
                                          "slide",
                                          "delete",
                                          "'add connect'",
                                          "'add fillet'",
                                          "'show element'",
                                          "'swap layer'",
                                          "'dehilight all'",
                                          "copy",
                                          "'change layer top'",
                                          "'assign color'",
                                          "vertex",
                                          "'add via'",
                                          "'define grid'",
                                          "'spin 90; done'"};

// A GB2312 character; now and then one of GBK's extension, whose second
// byte is below 0x80 and so may look like ASCII.
void AppendChinese(std::mt19937& random, std::string& out, int characters) {
    std::uniform_int_distribution<int> lead(0xB0, 0xD7), second(0xA1, 0xFE);
    std::uniform_int_distribution<int> extensionLead(0x81, 0xA0), extensionSecond(0x40, 0x7E);
    std::uniform_int_distribution<int> kind(0, 9);
    for (int i = 0; i < characters; ++i) {
        const bool extension = kind(random) == 0;
        out += static_cast<char>(extension ? extensionLead(random) : lead(random));
        out += static_cast<char>(extension ? extensionSecond(random) : second(random));
    }
}

template <std::size_t N>
std::string_view Pick(std::mt19937& random, const std::string_view (&items)[N]) {
    return items[std::uniform_int_distribution<std::size_t>(0, N - 1)(random)];
}

// A command with Chinese text: a drawing path, a script or a note.
std::string ChineseCommand(std::mt19937& random) {
    std::uniform_int_distribution<int> kind(0, 2), length(2, 6);
    std::string command;
    switch (kind(random)) {
        case 0:
            command = "open D:\\";
            AppendChinese(random, command, length(random));
            command += "\\";
            AppendChinese(random, command, length(random));
            command += ".brd";
            break;
        case 1:
            command = "'replay E:\\";
            AppendChinese(random, command, length(random));
            command += ".scr'";
            break;
        default:
            command = "echo ";
            AppendChinese(random, command, length(random));
            command += ' ';
            AppendChinese(random, command, length(random));
    }
    return command;
}

HotkeyEntry RandomEntry(std::mt19937& random) {
    const bool chinese = std::uniform_int_distribution<int>(0, 4)(random) == 0;
    return {std::string(Pick(random, kKeys)),
            chinese ? ChineseCommand(random) : std::string(Pick(random, kCommands))};
}

}  // namespace

std::string RealisticEnvText(std::size_t bytes) {
    std::mt19937 random(2024);
    std::string text(kEnvHeader);
    text.reserve(bytes + 256);
    while (text.size() + kEnvTailBlock.size() < bytes) {
        const HotkeyEntry entry = RandomEntry(random);
        text += kAliasPrefix;
        text += entry.key;
        text += ' ';
        text += entry.command;
        text += "\r\n";
    }
    text += kEnvTailBlock;
    return text;
}

std::vector<HotkeyEntry> RealisticEntries(std::size_t count) {
    std::mt19937 random(2025);
    std::vector<HotkeyEntry> entries;
    entries.reserve(count);
    for (std::size_t i = 0; i < count; ++i) entries.push_back(RandomEntry(random));
    return entries;
}

}  // namespace keyloom::bench
