// The env file as this run knows it: the text it read at start-up or wrote
// last, and whether env.bak has been made. A save writes only over bytes it
// has read: when the file's head is no longer the one this run knows
// (edited meanwhile, unreadable at start-up, cut short by a zero byte,
// emptied or deleted), it writes nothing. The tail, Allegro's own section,
// is taken from the file as it stands at the moment of the save; a save that
// drops a hotkey line of the tail writes only over the tail this run read or
// last wrote, and nothing when Allegro has rewritten it since.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/env_document.h"
#include "core/env_text.h"

namespace keyloom {

class EnvSession {
public:
    // Reads the file at path (nothing for an empty path, a missing or
    // unreadable file): its hotkeys in file order, each with its origin.
    void Open(const std::string& path, std::vector<HotkeyEntry>* entries,
              std::vector<RowOrigin>* origins);

    struct Outcome {
        // Why a save wrote nothing, where the user can be told more than
        // that it failed.
        enum class Refusal {
            None,
            // The file is read-only (refused by us, even where it could be
            // written).
            ReadOnly,
            // The file has more than one name (hard links): replacing it
            // would leave the others with the old text.
            SeveralNames,
            // A folder stands where the file should be.
            Folder,
        };
        bool written = false;
        Refusal refusal = Refusal::None;
        // The text the save wrote, or would have written.
        std::string text;
    };

    // Writes the rows (origins[i] belongs to rows[i]). A missing or empty
    // file gets Keyloom's own layout. Before this run's first save that
    // changes the file, the file is copied to env.bak; when that copy fails
    // the save fails. On success the written head becomes the one this run
    // knows and origins follow the rows into it. progress, when given, is
    // called between the steps and now and then inside a long one.
    Outcome Save(const std::vector<HotkeyEntry>& rows, std::vector<RowOrigin>* origins,
                 const std::function<void()>& progress = {});

    // Where a save writes rows that have no line yet: before this line of
    // the document this run knows.
    std::size_t InsertAt() const { return document_.insertAt; }

private:
    std::string path_;
    EnvDocument document_;
    bool backupTaken_ = false;
};

}  // namespace keyloom
