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

// A change of the rows that the list control must learn, in order: a row
// deleted or inserted at its place, or all rows new.
struct ListChange {
    enum Kind : std::uint8_t { Deleted, Inserted, Replaced } kind;
    int row;  // the row deleted or inserted; the new count when replaced
};

// The message boxes the session asks for.
enum class SessionBox : std::uint8_t {
    None,
    NoSelection,
    InputError,
    // A save that failed, or was refused for a reason (boxDetail names it).
    SaveFailed,
    // Another writer changed the file: these keys of the user's change no
    // longer applied (boxKeys).
    NotCarried,
    // An undo or redo could not put these keys back as they were (boxKeys).
    NotRestored,
};

// Why a save wrote nothing, where the user is told more than that.
enum class SaveFailure : std::uint8_t {
    Plain,
    ZeroByte,
    ReadOnly,
    SeveralNames,
    Folder,
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
    // The row to select and scroll into view.
    std::optional<int> select;
    // The panel's new state: the window sets the width that shows or hides it.
    std::optional<bool> panelShown;
    std::optional<std::string_view> groupCaption;
    std::optional<std::string_view> confirmCaption;
    // New texts of the key and command boxes, and of the content box.
    std::optional<std::string> keyBox;
    std::optional<std::string> commandBox;
    std::optional<std::string> contentBox;
    // The verb the panel shows, and whether it is the user's own choice
    // (else it follows the key the user types).
    std::optional<HotkeyVerb> verb;
    bool verbChosen = false;
    std::optional<std::string> countCaption;
    FocusTarget focus = FocusTarget::Unchanged;
    SessionBox box = SessionBox::None;
    SaveFailure failure = SaveFailure::Plain;
    // The keys a NotCarried or NotRestored box names, as the file has them.
    std::vector<std::string> boxKeys;
    // The env file's text for the env数据 box.
    std::optional<std::string> envContent;
    // Which rows are dead changed: every shown row is drawn again.
    bool marksChanged = false;
    // Asked before the confirm goes on: EditingSession::AnswerReplace.
    std::optional<ReplaceQuestion> question;
    // The file changed while it was read: read it again a moment later.
    bool readAgainLater = false;
};

}  // namespace keyloom
