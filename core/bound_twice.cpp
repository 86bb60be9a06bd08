#include "core/bound_twice.h"

#include <string>
#include <tuple>
#include <unordered_map>

namespace keyloom {

namespace {

// Where a row's line stands in the written file: lines in their order, the
// rows without one together before lines[insertAt], in list order.
using FilePlace = std::tuple<std::size_t, int, std::size_t>;

FilePlace PlaceOf(const RowOrigin& origin, std::size_t row, std::size_t insertAt) {
    if (origin.line == kNoLine) return {insertAt, 0, row};
    return {origin.line, 1, 0};
}

// The verb as one byte before the key: one map for both verbs.
std::string BindingOf(HotkeyVerb verb, std::string_view key) {
    std::string binding(1, static_cast<char>(verb));
    binding.append(key);
    return binding;
}

}  // namespace

std::vector<int> CoveringRows(const std::vector<HotkeyEntry>& rows,
                              const std::vector<RowOrigin>& origins, std::size_t insertAt) {
    std::vector<int> covering(rows.size(), -1);
    std::unordered_map<std::string, int> live;
    live.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size() && i < origins.size(); ++i) {
        auto [at, added] =
            live.try_emplace(BindingOf(origins[i].verb, rows[i].key), static_cast<int>(i));
        if (added) continue;
        const std::size_t other = static_cast<std::size_t>(at->second);
        if (PlaceOf(origins[other], other, insertAt) < PlaceOf(origins[i], i, insertAt)) {
            at->second = static_cast<int>(i);
        }
    }
    if (live.size() == rows.size()) return covering;
    for (std::size_t i = 0; i < rows.size() && i < origins.size(); ++i) {
        const int winner = live[BindingOf(origins[i].verb, rows[i].key)];
        if (winner != static_cast<int>(i)) covering[i] = winner;
    }
    return covering;
}

std::vector<int> RowsBinding(const std::vector<HotkeyEntry>& rows,
                             const std::vector<RowOrigin>& origins, HotkeyVerb verb,
                             std::string_view key, int exceptRow) {
    std::vector<int> found;
    for (std::size_t i = 0; i < rows.size() && i < origins.size(); ++i) {
        if (static_cast<int>(i) != exceptRow && origins[i].verb == verb && rows[i].key == key) {
            found.push_back(static_cast<int>(i));
        }
    }
    return found;
}

}  // namespace keyloom
