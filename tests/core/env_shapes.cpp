#include "tests/core/env_shapes.h"

#include <algorithm>

#include "core/env_lines.h"

namespace keyloom::testing {

namespace {

const char* const kAllegroSectionCrLf =
    "### User Preferences section\r\n"
    "### This section is computer generated.\r\n"
    "### Please do not modify to the end of the file.\r\n"
    "### Place your hand edits above this section.\r\n"
    "###\r\n"
    "set psmpath = . symbols $psmpath\r\n"
    "set padpath = . symbols $padpath\r\n"
    "set autosave\r\n";

}  // namespace

std::vector<EnvShape> EnvShapes() {
    return {
        {"comments, settings and funckeys, CR LF",
         // # 我的快捷键 / # 布线
         std::string("# \xCE\xD2\xB5\xC4\xBF\xEC\xBD\xDD\xBC\xFC\r\n"
                     "source $TELENV\r\n"
                     "\r\n"
                     "set autosave_time = 10\r\n"
                     "ifvar grid_on\r\n"
                     "  set grid_color 3\r\n"
                     "button view_zoom zoom in\r\n"
                     "funckey a move\r\n"
                     "funckey ^Z  \"undo\"\r\n"
                     "alias F2 zoom fit\r\n"
                     "# \xB2\xBC\xCF\xDF\r\n"
                     "alias F4 add connect\r\n"
                     "alias ~R 'angle 90'\r\n"
                     "\r\n") +
             kAllegroSectionCrLf,
         {{"a", "move"},
          {"^Z", "\"undo\""},
          {"F2", "zoom fit"},
          {"F4", "add connect"},
          {"~R", "'angle 90'"}},
         2,
         1,
         "redo",
         {"alias F2 zoom fit\r\n", "funckey ^Z  \"undo\"\r\n"},
         {"funckey ^Z redo\r\n", "alias F12 zoom out\r\n"}},
        {"LF line ends",
         "# Allegro user env\n"
         "source $TELENV\n"
         "set lib_root = /cad/lib\n"
         "funckey F1 help\n"
         "funckey s slide\n"
         "alias F5 zoom previous\n"
         "alias Home zoom fit\n"
         "\n"
         "### User Preferences section\n"
         "### This section is computer generated.\n"
         "set psmpath = . /cad/lib/symbols\n"
         "set padpath = . /cad/lib/padstacks\n",
         {{"F1", "help"}, {"s", "slide"}, {"F5", "zoom previous"}, {"Home", "zoom fit"}},
         3,
         1,
         "slide fast",
         {"alias Home zoom fit\n", "funckey s slide\n"},
         {"funckey s slide fast\n", "alias F12 zoom out\n"}},
        {"no marker",
         // # 视图
         "source $TELENV\r\n"
         "# \xCA\xD3\xCD\xBC\r\n"
         "alias F6 zoom world\r\n"
         "funckey z zoom in\r\n"
         "set display_drcfill\r\n",
         {{"F6", "zoom world"}, {"z", "zoom in"}},
         0,
         0,
         "zoom in 2",
         {"alias F6 zoom world\r\n", "funckey z zoom in\r\n"},
         {"funckey z zoom in 2\r\n", "alias F12 zoom out\r\n"}},
        {"no final line end",
         "set x 1\nalias F7 grid toggle\nfunckey g grid",
         {{"F7", "grid toggle"}, {"g", "grid"}},
         0,
         0,
         "grid on",
         {"alias F7 grid toggle\n", "funckey g grid"},
         {"funckey g grid on\n", "alias F12 zoom out\n"}},
        {"hotkeys only below the marker, CR LF",
         std::string("source $TELENV\r\n# no keys of my own\r\n\r\n") + kAllegroSectionCrLf +
             "alias F9 zoom fit\r\nfunckey q done\r\nalias ~R 'angle 90'\r\n",
         {{"F9", "zoom fit"}, {"q", "done"}, {"~R", "'angle 90'"}},
         0,
         0,
         "cancel",
         {"alias F9 zoom fit\r\n", "funckey q done\r\n"},
         {"funckey q cancel\r\n", "alias F12 zoom out\r\n"}},
        {"hotkeys only below the marker, LF",
         "# my env\n"
         "set lib_root = /cad/lib\n"
         "### User Preferences section\n"
         "set psmpath = . /cad/lib/symbols\n"
         "alias Home zoom fit\n"
         "alias End zoom previous\n"
         "funckey d delete\n",
         {{"Home", "zoom fit"}, {"End", "zoom previous"}, {"d", "delete"}},
         2,
         0,
         "zoom in",
         {"funckey d delete\n", "alias Home zoom fit\n"},
         {"alias Home zoom in\n", "alias F12 zoom out\n"}},
        {"hotkeys above and below the marker",
         std::string("source $TELENV\r\nalias F2 zoom fit\r\nfunckey a move\r\n\r\n") +
             kAllegroSectionCrLf + "alias F5 zoom previous\r\nalias F6 zoom world\r\n",
         {{"F2", "zoom fit"}, {"a", "move"}, {"F5", "zoom previous"}, {"F6", "zoom world"}},
         3,
         2,
         "zoom in",
         {"alias F6 zoom world\r\n", "alias F5 zoom previous\r\n"},
         {"alias F5 zoom in\r\n", "alias F12 zoom out\r\n"}},
        {"two and five spaces after the verb",
         "source $TELENV\n"
         "alias  Pgdown zoom out\n"
         "alias     Sa     replay PLACE_TOP\n"
         "\n"
         "### User Preferences section\n"
         "alias  Pgup zoom in\n"
         "funckey     x    done\n",
         {{"Pgdown", "zoom out"}, {"Sa", "replay PLACE_TOP"}, {"Pgup", "zoom in"}, {"x", "done"}},
         2,
         2,
         "cancel",
         {"alias  Pgup zoom in\n", "funckey     x    done\n"},
         {"funckey x cancel\n", "alias F12 zoom out\n"}},
        {"a quoted Space key",
         std::string(
             "source $TELENV\r\nfunckey ' ' \"iangle 45\"\r\nalias F3 add connect\r\n\r\n") +
             kAllegroSectionCrLf + "funckey ' ' \"iangle 90\"\r\nalias F8 zoom fit\r\n",
         {{"' '", "\"iangle 45\""},
          {"F3", "add connect"},
          {"' '", "\"iangle 90\""},
          {"F8", "zoom fit"}},
         3,
         2,
         "\"iangle 180\"",
         {"alias F8 zoom fit\r\n", "funckey ' ' \"iangle 90\"\r\n"},
         {"funckey ' ' \"iangle 180\"\r\n", "alias F12 zoom out\r\n"}},
        {"the marker inside a hotkey line, hotkeys after it",
         "source $TELENV\r\n"
         "alias F2 zoom fit\r\n"
         "alias F9 zoom out ### User Preferences section\r\n"
         "### This section is computer generated.\r\n"
         "alias F10 grid toggle\r\n"
         "funckey g grid\r\n",
         {{"F2", "zoom fit"}, {"F9", "zoom out"}, {"F10", "grid toggle"}, {"g", "grid"}},
         2,
         2,
         "grid on",
         // New lines follow the head's last line, which then ends before
         // the marker.
         {"alias F9 zoom out ### User Preferences section\r\n", "alias F10 grid toggle\r\n",
          "funckey g grid\r\n"},
         {"alias F9 zoom out \r\n", "funckey g grid on\r\n", "alias F12 zoom out\r\n",
          "### User Preferences section\r\n"}},
    };
}

namespace {

// The lines of a text, each with its line end.
std::vector<std::string> LinesWithEnds(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t lf = text.find('\n', pos);
        const std::size_t end = lf == std::string::npos ? text.size() : lf + 1;
        lines.push_back(text.substr(pos, end - pos));
        pos = end;
    }
    return lines;
}

}  // namespace

LineDiff DiffLines(const std::string& before, const std::string& after) {
    const std::vector<std::string> a = LinesWithEnds(before);
    const std::vector<std::string> b = LinesWithEnds(after);
    // Longest common subsequence; what is outside it on either side is the
    // diff.
    std::vector<std::vector<int>> common(a.size() + 1, std::vector<int>(b.size() + 1, 0));
    for (std::size_t i = a.size(); i-- > 0;) {
        for (std::size_t j = b.size(); j-- > 0;) {
            common[i][j] = a[i] == b[j] ? common[i + 1][j + 1] + 1
                                        : std::max(common[i + 1][j], common[i][j + 1]);
        }
    }
    LineDiff diff;
    std::size_t i = 0, j = 0;
    while (i < a.size() || j < b.size()) {
        if (i < a.size() && j < b.size() && a[i] == b[j]) {
            ++i;
            ++j;
        } else if (j < b.size() && (i == a.size() || common[i][j + 1] >= common[i + 1][j])) {
            diff.added.push_back(b[j++]);
        } else {
            diff.removed.push_back(a[i++]);
        }
    }
    return diff;
}

std::string TailOf(const std::string& text) {
    return text.substr(HeadLength(text));
}

std::string WithNewSection(const std::string& text) {
    return text.substr(0, HeadLength(text)) +
           "### User Preferences section\r\n"
           "### This section is computer generated.\r\n"
           "set autosave_time = 5\r\n";
}

}  // namespace keyloom::testing
