// The command line run through WinExec when the shell cannot open a link.
#include <gtest/gtest.h>

#include <string>

#include "core/fallback_command.h"

namespace keyloom {
namespace {

constexpr const char* kTarget = "http://boardloom.example.com/";

std::string Built(std::string_view command, std::string_view target = kTarget) {
    std::optional<std::string> line = BuildFallbackCommandLine(command, target);
    EXPECT_TRUE(line.has_value()) << command;
    return line.value_or("<refused>");
}

TEST(FallbackCommandLine, QuotedPlaceholderIsCutAtItsOpeningQuote) {
    EXPECT_EQ(Built(R"("C:\Program Files\Web\browse.exe" -nohome "%1")"),
              R"("C:\Program Files\Web\browse.exe" -nohome  http://boardloom.example.com/)");
}

TEST(FallbackCommandLine, BarePlaceholderIsCutWhereItStands) {
    EXPECT_EQ(Built(R"(C:\Web\browse.exe %1 -tab)"),
              R"(C:\Web\browse.exe  http://boardloom.example.com/)");
}

TEST(FallbackCommandLine, WithoutPlaceholderTheWholeCommandIsKept) {
    EXPECT_EQ(Built(R"("C:\Web\browse.exe" -new)"),
              R"("C:\Web\browse.exe" -new http://boardloom.example.com/)");
    EXPECT_EQ(Built(""), " http://boardloom.example.com/");
}

TEST(FallbackCommandLine, QuotedPlaceholderWinsOverAnEarlierBareOne) {
    EXPECT_EQ(Built(R"(browse.exe %1 -x "%1")"),
              R"(browse.exe %1 -x  http://boardloom.example.com/)");
}

TEST(FallbackCommandLine, SecondByteOfADoubleByteCharacterStartsNoMatch) {
    // 0x81 0x22 is one character, so the quote in it opens no "%1"; the
    // bare %1 after it is the placeholder.
    EXPECT_EQ(Built("\x81\"%1\""), "\x81\" http://boardloom.example.com/");
    // 0x81 0x25 is one character, so its '%' begins no %1.
    EXPECT_EQ(Built("b\x81%1"), "b\x81%1 http://boardloom.example.com/");
    // A real double-byte name before the placeholder stays whole.
    // 浏览器 in code page 936, spelled as bytes so every compiler gives them.
    EXPECT_EQ(Built("\"C:\\\xE4\xAF\xC0\xC0\xC6\xF7\\b.exe\" \"%1\""),
              "\"C:\\\xE4\xAF\xC0\xC0\xC6\xF7\\b.exe\"  http://boardloom.example.com/");
}

TEST(FallbackCommandLine, LongestLineWinExecTakesIsBuiltAndOneMoreIsRefused) {
    const std::string command = "b.exe \"%1\"";  // leaves "b.exe " before the target
    const std::size_t fixed = std::string("b.exe  ").size();
    std::string target(kMaxWinExecCommandLine - fixed, 'x');
    std::optional<std::string> longest = BuildFallbackCommandLine(command, target);
    ASSERT_TRUE(longest.has_value());
    EXPECT_EQ(longest->size(), kMaxWinExecCommandLine);
    EXPECT_EQ(longest->substr(0, fixed), "b.exe  ");

    target.push_back('x');
    EXPECT_FALSE(BuildFallbackCommandLine(command, target).has_value());
}

TEST(FallbackCommandLine, OverlongAssociationTailIsCutAwayBeforeTheLimitApplies) {
    std::string command = "b.exe \"%1\" " + std::string(kMaxWinExecCommandLine, 'o');
    EXPECT_EQ(Built(command), "b.exe  http://boardloom.example.com/");
}

TEST(FallbackCommandLine, OverlongAssociationProgramIsRefused) {
    std::string command = std::string(kMaxWinExecCommandLine, 'p') + " %1";
    EXPECT_FALSE(BuildFallbackCommandLine(command, kTarget).has_value());
}

}  // namespace
}  // namespace keyloom
