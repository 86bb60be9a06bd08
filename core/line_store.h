// The lines of env text a run has seen or made, each known by a number
// that stays its own for the whole run. A line never changes once made: an
// edit makes a new line and leaves the old one for its undo, and a line
// read again unchanged keeps its number. So rows, the save's snapshot and
// the history can all name lines by number, and a save on another thread
// reads lines the window thread never touches again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/env_lines.h"

namespace keyloom {

using LineId = std::uint32_t;
inline constexpr LineId kNoLineId = 0xFFFFFFFFu;

// One line: its bytes with its line end, what kind of line it is, and for
// a hotkey line where its key and command lie in it.
struct LineRecord {
    const char* bytes = nullptr;
    std::uint32_t length = 0;    // without the line end
    std::uint8_t endLength = 0;  // 0 (none), 1 (LF) or 2 (CR LF)
    bool hotkey = false;
    // The first line of Allegro's section: it begins with the marker.
    bool marker = false;
    // A line of Keyloom's own layout, written around the rows of a file
    // that had no text: not the user's, so never carried onto another's.
    bool layout = false;
    HotkeyVerb verb = HotkeyVerb::Alias;
    std::uint32_t keyBegin = 0;
    std::uint32_t keyLength = 0;
    std::uint32_t commandBegin = 0;
    std::uint32_t commandLength = 0;
    // The line this one was made from by giving it a line end, so that a
    // line could follow it; kNoLineId for every other line.
    LineId endedFrom = kNoLineId;

    std::string_view Content() const { return {bytes, length}; }
    std::string_view WithEnd() const { return {bytes, std::size_t{length} + endLength}; }
    std::string_view Key() const { return {bytes + keyBegin, keyLength}; }
    std::string_view Command() const { return {bytes + commandBegin, commandLength}; }
};

class LineStore;

// What a line is beside its bytes.
struct LineMarks {
    bool marker = false;
    bool layout = false;
};

// The lines made so far, for reading on any thread: what the view holds
// stays as it is, whatever the store makes afterwards.
class LineStoreView {
public:
    LineStoreView() = default;
    const LineRecord& operator[](LineId id) const {
        return blocks_[id / kBlockLines][id % kBlockLines];
    }

    static constexpr std::size_t kBlockLines = 4096;

private:
    friend class LineStore;

    // What a line is beside its bytes.
    struct LineMarks {
        bool marker = false;
        bool layout = false;
    };
    std::vector<const LineRecord*> blocks_;
    // Keeps the lines' memory while the view is in use.
    std::shared_ptr<const void> keep_;
};

class LineStore {
public:
    LineStore();

    // A line of these bytes (its line end given apart), copied into the
    // store. A hotkey line is recognised by its bytes.
    LineId AddLine(std::string_view content, std::string_view lineEnd, LineMarks marks = {});
    // A line whose bytes (line end included) already lie in the store
    // (KeepText), not copied.
    LineId AddKeptLine(std::string_view content, std::size_t endLength, LineMarks marks = {});
    // Keeps text for the store's life; its bytes' place never moves.
    std::string_view KeepText(std::string text);

    // The line from given the line end it lacked.
    LineId AddEnded(LineId from, std::string_view lineEnd);

    const LineRecord& operator[](LineId id) const {
        return storage_->blocks[id / LineStoreView::kBlockLines][id % LineStoreView::kBlockLines];
    }
    std::size_t Count() const { return storage_->count; }
    LineStoreView View() const;

private:
    // Blocks of records and chunks of bytes that never move once made.
    struct Storage {
        std::vector<std::unique_ptr<LineRecord[]>> blocks;
        std::size_t count = 0;
        std::vector<std::unique_ptr<char[]>> chunks;
        std::vector<std::unique_ptr<std::string>> texts;
        char* free = nullptr;
        std::size_t freeLength = 0;
    };
    LineId Add(const LineRecord& record);
    const char* CopyBytes(std::string_view content, std::string_view lineEnd);

    std::shared_ptr<Storage> storage_;
};

}  // namespace keyloom
