// The file as the user has made it: its lines in file order and the rows
// of the hotkey list, changed only by steps that each remove or insert one
// line. A step remembers where its line stood (the lines around it, its
// row), so it can be taken back exactly and done again. A save reads the
// lines on its own thread: while it holds them, the next step works on a
// copy, never on what the save reads.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "core/hotkey_rows.h"
#include "core/line_sequence.h"

namespace keyloom {

struct EditStep {
    enum class Kind : std::uint8_t { Remove, Insert };
    Kind kind;
    LineId line;
    // The lines before and after it in the file (kNoLineId at either end).
    LineId after = kNoLineId;
    LineId before = kNoLineId;
    // Its place in the list; -1 for a line that is no row.
    int row = -1;
};
using EditSteps = std::vector<EditStep>;

// The step that takes step back.
EditStep Inverse(const EditStep& step);

class EditedLines {
public:
    explicit EditedLines(const LineStore& store) : store_(store), rows_(store) {}

    // A new start on these lines; the rows are their hotkey lines in order.
    void Assign(LineSequence lines);
    // The same lines with these rows in this order.
    void Assign(LineSequence lines, std::vector<LineId> rows);

    const LineSequence& Lines() const { return *lines_; }
    const HotkeyRows& Rows() const { return rows_; }
    HotkeyRows& MutableRows() { return rows_; }

    // The lines for a save to read from now on: they stay as they are,
    // whatever steps follow.
    std::shared_ptr<const LineSequence> Share();

    // The step that removes line, as things stand.
    EditStep RemoveStep(LineId line) const;
    // The step that inserts line before the line beforeLine (at the end for
    // kNoLineId) and, for a hotkey line, at row.
    EditStep InsertStep(LineId line, LineId beforeLine, int row) const;

    // Carries the step out: the row removed or inserted (-1 for a line
    // that is no row). A removal of a line that is not there, or an
    // insertion of one that is, does nothing and gives false. An insertion
    // whose neighbours are both gone goes before fallback.
    struct Applied {
        bool done = false;
        int row = -1;
    };
    Applied Apply(const EditStep& step, LineId fallback);

    // Where line stands in the file, or -1.
    long PlaceOf(LineId line) const;

private:
    LineSequence& MutableLines();

    const LineStore& store_;
    std::shared_ptr<LineSequence> lines_ = std::make_shared<LineSequence>();
    // A save holds lines_: the next change copies them first.
    bool shared_ = false;
    HotkeyRows rows_;
};

}  // namespace keyloom
