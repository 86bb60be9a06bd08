// The rows of the hotkey list: the hotkey lines of the file, in the list's
// order, each named by its line; and which of them Allegro no longer uses.
// Allegro reads env from top to bottom, and a later line for a key
// replaces an earlier one: two rows bind the same key when their verb is
// the same and their keys are equal byte for byte as read (an alias and a
// funckey of one key are two bindings). Of such rows the one whose line
// stands last in the file is live, the others dead.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/hash_counts.h"
#include "core/line_sequence.h"

namespace keyloom {

class HotkeyRows {
public:
    explicit HotkeyRows(const LineStore& store) : store_(store) {}

    std::size_t Count() const { return ids_.size(); }
    LineId IdAt(std::size_t row) const { return ids_[row]; }
    const std::vector<LineId>& Ids() const { return ids_; }
    // The row of this line, or -1.
    int IndexOf(LineId line) const;

    std::string_view Key(std::size_t row) const { return Line(row).Key(); }
    std::string_view Command(std::size_t row) const { return Line(row).Command(); }
    HotkeyVerb Verb(std::size_t row) const { return Line(row).verb; }
    // A later line binds this row's key: Allegro no longer uses this one.
    bool IsDead(std::size_t row) const { return row < dead_.size() && dead_[row] != 0; }

    void Erase(std::size_t row);
    void Insert(std::size_t row, LineId line);
    void Assign(std::vector<LineId> ids);

    // Works out again which rows are dead, their lines standing in file in
    // the order of doc. True when any row's mark changed.
    bool MarkBoundTwice(const LineSequence& doc);
    // The same for the rows that bind what these lines bind: the other
    // rows' marks cannot change with them.
    bool MarkBindingsOf(const LineSequence& doc, const std::vector<LineId>& lines);
    // Whether another row may bind line's key with its verb: false only
    // when surely none does, so a change of that row alone leaves every
    // mark as it is (rows are counted by a hash of their binding).
    bool MayBePaired(LineId line) const;

    // The rows other than exceptRow that bind key with verb, in list order.
    std::vector<int> RowsBinding(HotkeyVerb verb, std::string_view key, int exceptRow) const;

private:
    const LineRecord& Line(std::size_t row) const { return store_[ids_[row]]; }

    void Count(LineId line, int by);

    const LineStore& store_;
    std::vector<LineId> ids_;
    std::vector<std::uint8_t> dead_;
    // How many rows bind each hash of a verb and key.
    HashCounts bindings_;
};

}  // namespace keyloom
