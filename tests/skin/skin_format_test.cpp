// The skin file format: what is accepted, and that everything else is
// refused without harm.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "skin_format.h"

namespace {

// A complete skin: colour i is #0i0i0i-like, distinct per role.
std::string ValidSkin() {
    std::string text = "KEYLOOM-SKIN 1\n# comment\nname = Unit Test\nbutton.radius = 3\n";
    text += "group.radius = 12\n";
    for (size_t i = 0; i < kSkinRoleCount; ++i) {
        char line[80];
        snprintf(line, sizeof(line), "%s = #%02X%02x%02X\n", kSkinColourKeys[i],
                 static_cast<int>(i), static_cast<int>(i * 7), static_cast<int>(255 - i));
        text += line;
    }
    return text + "end\n";
}

bool Parses(const std::string& text, SkinDef* out = nullptr) {
    SkinDef def;
    const bool ok =
        ParseSkin(reinterpret_cast<const unsigned char*>(text.data()), text.size(), def);
    if (ok && out) *out = def;
    return ok;
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

TEST(ParseSkin, ReadsNameRadiiAndEveryColour) {
    SkinDef def;
    ASSERT_TRUE(Parses(ValidSkin(), &def));
    EXPECT_EQ(def.name, "Unit Test");
    EXPECT_EQ(def.buttonRadius, 3);
    EXPECT_EQ(def.groupRadius, 12);
    for (size_t i = 0; i < kSkinRoleCount; ++i) {
        EXPECT_EQ(def.colours[i], (Rgb{uint8_t(i), uint8_t(i * 7), uint8_t(255 - i)}))
            << kSkinColourKeys[i];
    }
}

TEST(ParseSkin, AcceptsCrLfBlankLinesSpacesAndAnyKeyOrder) {
    std::string text = ValidSkin();
    std::string crlf;
    for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_TRUE(Parses(crlf));
    EXPECT_TRUE(Parses(Replace(text, "name = Unit Test\n", "\n\t name\t=  Unit Test  \n\n")));
    // Move the name line to just before `end`.
    std::string moved = Replace(text, "name = Unit Test\n", "");
    moved = Replace(moved, "end\n", "name = Unit Test\nend\n");
    EXPECT_TRUE(Parses(moved));
    EXPECT_TRUE(Parses(text + "\n# trailing comment\n\n"));
    EXPECT_TRUE(Parses(text.substr(0, text.size() - 1)));  // no newline after `end`
}

TEST(ParseSkin, RefusesMissingOrEmptyInput) {
    SkinDef def;
    EXPECT_FALSE(ParseSkin(nullptr, 100, def));
    const std::string text = ValidSkin();
    EXPECT_FALSE(ParseSkin(reinterpret_cast<const unsigned char*>(text.data()), 0, def));
    EXPECT_FALSE(Parses(""));
    EXPECT_FALSE(Parses("\n\n"));
}

TEST(ParseSkin, RefusesWrongMagicOrVersion) {
    const std::string text = ValidSkin();
    EXPECT_FALSE(Parses(Replace(text, "KEYLOOM-SKIN 1", "KEYLOOM-SKIN 2")));
    EXPECT_FALSE(Parses(Replace(text, "KEYLOOM-SKIN 1", "keyloom-skin 1")));
    EXPECT_FALSE(Parses(Replace(text, "KEYLOOM-SKIN 1\n", "")));
    EXPECT_FALSE(Parses("\n" + text));
    EXPECT_FALSE(Parses("\xEF\xBB\xBF" + text));  // a byte order mark is not ASCII
}

TEST(ParseSkin, RefusesEveryTruncation) {
    const std::string text = ValidSkin();
    const size_t end = text.rfind("end");
    for (size_t n = 0; n < end + 3; ++n) {
        EXPECT_FALSE(Parses(text.substr(0, n))) << "truncated to " << n << " bytes";
    }
}

TEST(ParseSkin, RefusesEachMissingKey) {
    const std::string text = ValidSkin();
    for (size_t i = 0; i < kSkinRoleCount; ++i) {
        const std::string key = std::string("\n") + kSkinColourKeys[i] + " = ";
        const size_t at = text.find(key);
        ASSERT_NE(at, std::string::npos);
        const size_t eol = text.find('\n', at + 1);
        std::string cut = text;
        cut.erase(at, eol - at);
        EXPECT_FALSE(Parses(cut)) << kSkinColourKeys[i];
    }
    EXPECT_FALSE(Parses(Replace(text, "name = Unit Test\n", "")));
    EXPECT_FALSE(Parses(Replace(text, "button.radius = 3\n", "")));
    EXPECT_FALSE(Parses(Replace(text, "group.radius = 12\n", "")));
    EXPECT_FALSE(Parses(Replace(text, "end\n", "")));
}

TEST(ParseSkin, RefusesRepeatedUnknownAndMalformedLines) {
    const std::string text = ValidSkin();
    EXPECT_FALSE(Parses(Replace(text, "end\n", "window = #FFFFFF\nend\n")));
    EXPECT_FALSE(Parses(Replace(text, "end\n", "name = Again\nend\n")));
    EXPECT_FALSE(Parses(Replace(text, "end\n", "windows = #FFFFFF\nend\n")));
    EXPECT_FALSE(Parses(Replace(text, "end\n", "just some words\nend\n")));
    EXPECT_FALSE(Parses(Replace(text, "end\n", "= #FFFFFF\nend\n")));
    EXPECT_FALSE(Parses(text + "window = #FFFFFF\n"));  // a key after `end`
    EXPECT_FALSE(Parses(text + "end\n"));
}

TEST(ParseSkin, RefusesBadColours) {
    const std::string text = ValidSkin();
    for (const char* bad : {"#12345", "#1234567", "123456", "#12345G", "#", "", "red", "# 12345",
                            "#-12345", "#123456 x"}) {
        std::string broken = text;
        const size_t at = broken.find("window = ");
        const size_t eol = broken.find('\n', at);
        broken.replace(at, eol - at, std::string("window = ") + bad);
        EXPECT_FALSE(Parses(broken)) << bad;
    }
}

TEST(ParseSkin, RefusesAbsurdRadiiAndNames) {
    const std::string text = ValidSkin();
    for (const char* bad : {"13", "99", "100", "-1", "", "3.5", "x", "+3", "007"}) {
        EXPECT_FALSE(
            Parses(Replace(text, "button.radius = 3", std::string("button.radius = ") + bad)))
            << bad;
    }
    EXPECT_TRUE(Parses(Replace(text, "button.radius = 3", "button.radius = 0")));
    EXPECT_TRUE(Parses(Replace(text, "button.radius = 3", "button.radius = 05")));
    EXPECT_FALSE(Parses(Replace(text, "name = Unit Test", "name =")));
    EXPECT_FALSE(Parses(Replace(text, "name = Unit Test", "name = " + std::string(64, 'n'))));
    EXPECT_TRUE(Parses(Replace(text, "name = Unit Test", "name = " + std::string(63, 'n'))));
}

TEST(ParseSkin, RefusesControlAndHighBytesAnywhere) {
    const std::string text = ValidSkin();
    for (char bad : {'\0', '\x01', '\x1B', '\x7F', '\x80', '\xFF'}) {
        std::string inComment = Replace(text, "# comment", std::string("# com") + bad + "ment");
        EXPECT_FALSE(Parses(inComment)) << int(static_cast<unsigned char>(bad));
    }
}

TEST(ParseSkin, RefusesOversizedInput) {
    std::string text = ValidSkin();
    text.append(kMaxSkinBytes - text.size(), '\n');
    EXPECT_TRUE(Parses(text));
    EXPECT_FALSE(Parses(text + "\n"));
}

TEST(ParseSkin, RandomBytesAreRefused) {
    std::mt19937 random(20240601);
    for (int round = 0; round < 3000; ++round) {
        std::string bytes(random() % 2048, '\0');
        for (char& c : bytes) c = static_cast<char>(random());
        if (round % 2) bytes.insert(0, "KEYLOOM-SKIN 1\n");
        EXPECT_FALSE(Parses(bytes)) << "round " << round;
    }
}

TEST(ParseSkin, MutatedSkinsNeverCrashAndValidOnesStayComplete) {
    const std::string text = ValidSkin();
    std::mt19937 random(7);
    for (int round = 0; round < 5000; ++round) {
        std::string bytes = text;
        const int edits = 1 + random() % 4;
        for (int e = 0; e < edits; ++e) {
            const size_t at = random() % bytes.size();
            switch (random() % 3) {
                case 0:
                    bytes[at] = static_cast<char>(random());
                    break;
                case 1:
                    bytes.erase(at, 1 + random() % 8);
                    break;
                default:
                    bytes.insert(at, 1, static_cast<char>(0x20 + random() % 95));
            }
            if (bytes.empty()) break;
        }
        SkinDef def;
        if (Parses(bytes, &def)) {
            // Whatever passes is a whole skin: a name and sane radii.
            EXPECT_FALSE(def.name.empty());
            EXPECT_LE(def.buttonRadius, kMaxSkinRadius);
            EXPECT_LE(def.groupRadius, kMaxSkinRadius);
        }
    }
}

TEST(AdjustSkin, AppliesTheParametersToEveryColourAndNothingElse) {
    SkinDef def;
    ASSERT_TRUE(Parses(ValidSkin(), &def));
    const SkinDef out = AdjustSkin(def, 110, 40, 10);
    EXPECT_EQ(out.name, def.name);
    EXPECT_EQ(out.buttonRadius, def.buttonRadius);
    EXPECT_EQ(out.groupRadius, def.groupRadius);
    for (size_t i = 0; i < kSkinRoleCount; ++i) {
        EXPECT_EQ(out.colours[i], AdjustColour(def.colours[i], 110, 40, 10));
    }
    const SkinDef same = AdjustSkin(def, 0, 0, 0);
    EXPECT_EQ(same.colours, def.colours);
}

}  // namespace
