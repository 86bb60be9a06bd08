// The real main window started on an env file of known rows, with message
// boxes recorded, for driving the editing buttons with real messages.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/env_text.h"
#include "tests/harness/harness.h"

namespace keyloom::test {

using Rows = std::vector<HotkeyEntry>;

// Five rows with distinct keys and commands.
Rows FiveRows();

class EditingTest : public ::testing::Test {
protected:
    void TearDown() override;

    // Starts the window on an env file in Keyloom's own layout holding the
    // rows; the bytes are kept.
    void Start(const Rows& rows);
    void StartWithBytes(const std::string& envBytes);

    // What the user and the file see.
    Rows ListRows() const;
    std::string EnvBytes() const;
    std::string Text(std::string_view control) const;
    int Width() const;
    bool FocusIn(std::string_view control) const;

    // Opens the row in the panel (select, Modify), or opens the panel for a
    // new hotkey; then types into the boxes.
    void OpenForModify(int row);
    void Type(const std::string& key, const std::string& command);

    // Row i of `rows` without the listed indices, followed by `appended`.
    static Rows Without(const Rows& rows, std::vector<int> removed, const Rows& appended = {});

    std::string originalEnv_;
    MessageBoxRecorder boxes_;
};

// The boxes the editing buttons show.
void ExpectNoSelectionBox(const RecordedBox& box);
void ExpectInputErrorBox(const RecordedBox& box);

}  // namespace keyloom::test
