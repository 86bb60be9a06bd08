#include "tests/window/window_fixture.h"

namespace keyloom::test {

std::string EnvWithLines(const std::string& lines) {
    return "source $TELENV\r\n\r\n\r\n" + lines + "\r\n### User Preferences section\r\nset x\r\n";
}

void MainWindowTest::SetUp() {
    window_ = StartMainWindowForTest(EnvWithLines("alias F2 zoom fit\r\nalias F3 pan\r\n"));
    ASSERT_NE(window_, nullptr);
}

}  // namespace keyloom::test
