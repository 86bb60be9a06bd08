#include "tests/core/env_shapes.h"

#include <algorithm>

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
         "alias F2 zoom fit\r\n",
         1,
         "funckey ^Z  \"undo\"\r\n",
         "redo",
         "funckey ^Z redo\r\n",
         "\r\n"},
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
         "alias Home zoom fit\n",
         1,
         "funckey s slide\n",
         "slide fast",
         "funckey s slide fast\n",
         "\n"},
        {"no marker",
         // # 视图
         "source $TELENV\r\n"
         "# \xCA\xD3\xCD\xBC\r\n"
         "alias F6 zoom world\r\n"
         "funckey z zoom in\r\n"
         "set display_drcfill\r\n",
         {{"F6", "zoom world"}, {"z", "zoom in"}},
         0,
         "alias F6 zoom world\r\n",
         0,
         "funckey z zoom in\r\n",
         "zoom in 2",
         "funckey z zoom in 2\r\n",
         "\r\n"},
        {"no final line end",
         "set x 1\nalias F7 grid toggle\nfunckey g grid",
         {{"F7", "grid toggle"}, {"g", "grid"}},
         0,
         "alias F7 grid toggle\n",
         0,
         "funckey g grid",
         "grid on",
         "funckey g grid on\n",
         "\n"},
        {"hotkeys only below the marker",
         "source $TELENV\r\n# no keys of my own\r\n\r\n### User Preferences section\r\n"
         "alias F9 allegro own\r\nfunckey q quit\r\n",
         {},
         -1,
         "",
         -1,
         "",
         "",
         "",
         "\r\n"},
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

}  // namespace keyloom::testing
