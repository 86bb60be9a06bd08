#include "core/hotkey_rows.h"

namespace keyloom {

void HotkeyRows::Reset(std::vector<HotkeyEntry> entries, std::vector<RowOrigin> origins) {
    entries_ = std::move(entries);
    origins_ = std::move(origins);
    origins_.resize(entries_.size());
}

std::size_t HotkeyRows::Append(HotkeyVerb verb) {
    entries_.emplace_back();
    origins_.push_back({kNoLine, verb});
    return entries_.size() - 1;
}

bool HotkeyRows::Delete(std::size_t row) {
    if (row >= entries_.size()) return false;
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(row));
    origins_.erase(origins_.begin() + static_cast<std::ptrdiff_t>(row));
    return true;
}

bool HotkeyRows::SetCell(std::size_t row, int column, std::string_view text) {
    if (row >= entries_.size() || column < 0 || column > 1) return false;
    HotkeyEntry& entry = entries_[row];
    (column == 0 ? entry.key : entry.command).assign(text);
    return true;
}

}  // namespace keyloom
