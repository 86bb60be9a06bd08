// What an editing operation changed, for the window to show: the session
// changes its own state and says here what the window must do to match.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/env_lines.h"

namespace keyloom {

// A change of the rows that the list control must learn: a deleted row,
// the row count after an append, a cell set.
struct ListChange {
    enum Kind : std::uint8_t { Deleted, Counted, CellSet } kind;
    int row;  // the deleted row, the new count, or the row of the cell
};

// The message boxes the editing operations show.
enum class SessionBox : std::uint8_t {
    None,
    NoSelection,
    InputError,
    SaveFailed,
    // A save refused because the file has several names (hard links).
    SaveRefusedForNames
};

// Where the keyboard focus goes.
enum class FocusTarget : std::uint8_t { Unchanged, KeyBox, HotkeyList };

// A confirm whose key another row of the same verb binds asks first.
struct ReplaceQuestion {
    std::string key;
    // The command of the row that binds it now.
    std::string command;
};

struct SessionChange {
    // In the order they happened; empty when the rows stayed.
    std::vector<ListChange> list;
    // The panel's new state: the window sets the width that shows or hides it.
    std::optional<bool> panelShown;
    std::optional<std::string_view> groupCaption;
    std::optional<std::string_view> confirmCaption;
    // New texts of the key and command boxes, and of the content box.
    std::optional<std::string> keyBox;
    std::optional<std::string> commandBox;
    // The verb the panel shows, and whether it is the user's (a modify's
    // row's) or follows the key box until the user chooses (an add's).
    std::optional<HotkeyVerb> verb;
    bool verbChosen = false;
    std::optional<std::string> contentBox;
    std::optional<std::string> countCaption;
    FocusTarget focus = FocusTarget::Unchanged;
    SessionBox box = SessionBox::None;
    // The env file's text for the env数据 box.
    std::optional<std::string> envContent;
    // Which rows are dead changed: every shown row is drawn again.
    bool marksChanged = false;
    // Asked before the confirm goes on: EditingSession::AnswerReplace.
    std::optional<ReplaceQuestion> question;
    // The rows changed: the window starts a save (EditingSession::BeginSave).
    bool save = false;
    // A close given earlier is due now: the window goes.
    bool close = false;
};

}  // namespace keyloom
