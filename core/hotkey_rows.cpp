#include "core/hotkey_rows.h"

#include <algorithm>

namespace keyloom {

namespace {

// FNV-1a over the verb and the key's bytes.
std::uint64_t BindingHash(HotkeyVerb verb, std::string_view key) {
    std::uint64_t hash = 14695981039346656037ull;
    hash = (hash ^ static_cast<unsigned char>(verb)) * 1099511628211ull;
    for (char byte : key) hash = (hash ^ static_cast<unsigned char>(byte)) * 1099511628211ull;
    return hash;
}

}  // namespace

int HotkeyRows::IndexOf(LineId line) const {
    const auto found = std::find(ids_.begin(), ids_.end(), line);
    return found == ids_.end() ? -1 : static_cast<int>(found - ids_.begin());
}

void HotkeyRows::Erase(std::size_t row) {
    ids_.erase(ids_.begin() + static_cast<std::ptrdiff_t>(row));
    if (row < dead_.size()) dead_.erase(dead_.begin() + static_cast<std::ptrdiff_t>(row));
}

void HotkeyRows::Insert(std::size_t row, LineId line) {
    ids_.insert(ids_.begin() + static_cast<std::ptrdiff_t>(row), line);
    if (row <= dead_.size()) dead_.insert(dead_.begin() + static_cast<std::ptrdiff_t>(row), 0);
}

void HotkeyRows::Assign(std::vector<LineId> ids) {
    ids_ = std::move(ids);
    dead_.assign(ids_.size(), 0);
}

// One open-addressing table of lines, one slot per binding, holding the
// last line of each in file order: it is worked out again after every
// change, so it must cost little at hundreds of thousands of rows (no
// node, no string made per row).
bool HotkeyRows::MarkBoundTwice(const LineSequence& doc) {
    std::size_t capacity = 16;
    while (capacity < 2 * ids_.size()) capacity *= 2;
    const std::size_t mask = capacity - 1;
    std::vector<LineId> last(capacity, kNoLineId);
    // The lines that a later line of their binding covers.
    std::vector<LineId> covered;
    for (LineId id : doc) {
        const LineRecord& line = store_[id];
        if (!line.hotkey) continue;
        const std::string_view key = line.Key();
        std::size_t slot = BindingHash(line.verb, key) & mask;
        while (last[slot] != kNoLineId) {
            const LineRecord& other = store_[last[slot]];
            if (other.verb == line.verb && other.Key() == key) {
                covered.push_back(last[slot]);
                break;
            }
            slot = (slot + 1) & mask;
        }
        last[slot] = id;
    }
    std::sort(covered.begin(), covered.end());
    std::vector<std::uint8_t> dead(ids_.size(), 0);
    if (!covered.empty()) {
        for (std::size_t row = 0; row < ids_.size(); ++row) {
            dead[row] = std::binary_search(covered.begin(), covered.end(), ids_[row]) ? 1 : 0;
        }
    }
    const bool changed = dead != dead_;
    dead_ = std::move(dead);
    return changed;
}

std::vector<int> HotkeyRows::RowsBinding(HotkeyVerb verb, std::string_view key,
                                         int exceptRow) const {
    std::vector<int> found;
    for (std::size_t row = 0; row < ids_.size(); ++row) {
        const LineRecord& line = Line(row);
        if (static_cast<int>(row) != exceptRow && line.verb == verb && line.Key() == key) {
            found.push_back(static_cast<int>(row));
        }
    }
    return found;
}

}  // namespace keyloom
