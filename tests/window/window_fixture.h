// A fixture that starts the real main window on a small env and closes it.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tests/harness/harness.h"

namespace keyloom::test {

// "source $TELENV", two empty lines, the lines given, then the marker.
std::string EnvWithLines(const std::string& lines);

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override { CloseMainWindowForTest(); }
    HWND window_ = nullptr;
};

}  // namespace keyloom::test
