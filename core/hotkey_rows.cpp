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

void HotkeyRows::Count(LineId line, int by) {
    const LineRecord& record = store_[line];
    bindings_.Add(BindingHash(record.verb, record.Key()), by);
}

bool HotkeyRows::MayBePaired(LineId line) const {
    const LineRecord& record = store_[line];
    if (!record.hotkey) return false;
    const std::uint32_t count = bindings_.Get(BindingHash(record.verb, record.Key()));
    return count > (IndexOf(line) >= 0 ? 1u : 0u);
}

void HotkeyRows::Erase(std::size_t row) {
    Count(ids_[row], -1);
    ids_.erase(ids_.begin() + static_cast<std::ptrdiff_t>(row));
    if (row < dead_.size()) dead_.erase(dead_.begin() + static_cast<std::ptrdiff_t>(row));
}

void HotkeyRows::Insert(std::size_t row, LineId line) {
    Count(line, 1);
    ids_.insert(ids_.begin() + static_cast<std::ptrdiff_t>(row), line);
    if (row <= dead_.size()) dead_.insert(dead_.begin() + static_cast<std::ptrdiff_t>(row), 0);
}

void HotkeyRows::Assign(std::vector<LineId> ids) {
    ids_ = std::move(ids);
    dead_.assign(ids_.size(), 0);
    bindings_.Reset(ids_.size());
    for (LineId id : ids_) Count(id, 1);
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
    // The lines that a later line of their binding covers, by number.
    std::vector<std::uint8_t> covered(store_.Count(), 0);
    bool anyCovered = false;
    for (LineId id : doc) {
        const LineRecord& line = store_[id];
        if (!line.hotkey) continue;
        const std::string_view key = line.Key();
        std::size_t slot = BindingHash(line.verb, key) & mask;
        while (last[slot] != kNoLineId) {
            const LineRecord& other = store_[last[slot]];
            if (other.verb == line.verb && other.Key() == key) {
                covered[last[slot]] = 1;
                anyCovered = true;
                break;
            }
            slot = (slot + 1) & mask;
        }
        last[slot] = id;
    }
    std::vector<std::uint8_t> dead(ids_.size(), 0);
    if (anyCovered) {
        for (std::size_t row = 0; row < ids_.size(); ++row) dead[row] = covered[ids_[row]];
    }
    const bool changed = dead != dead_;
    dead_ = std::move(dead);
    return changed;
}

bool HotkeyRows::MarkBindingsOf(const LineSequence& doc, const std::vector<LineId>& lines) {
    // The bindings the lines have, and the last line of each in the file.
    struct Binding {
        HotkeyVerb verb;
        std::string_view key;
        LineId last = kNoLineId;
    };
    std::vector<Binding> bindings;
    auto find = [&](const LineRecord& line) -> Binding* {
        for (Binding& binding : bindings) {
            if (binding.verb == line.verb && binding.key == line.Key()) return &binding;
        }
        return nullptr;
    };
    for (LineId id : lines) {
        const LineRecord& line = store_[id];
        if (line.hotkey && find(line) == nullptr) bindings.push_back({line.verb, line.Key()});
    }
    if (bindings.empty()) return false;
    for (LineId id : doc) {
        const LineRecord& line = store_[id];
        if (!line.hotkey) continue;
        if (Binding* binding = find(line)) binding->last = id;
    }
    bool changed = false;
    for (std::size_t row = 0; row < ids_.size(); ++row) {
        const Binding* binding = find(store_[ids_[row]]);
        if (binding == nullptr) continue;
        const std::uint8_t dead = ids_[row] != binding->last ? 1 : 0;
        if (dead_[row] != dead) {
            dead_[row] = dead;
            changed = true;
        }
    }
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
