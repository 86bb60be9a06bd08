#include "core/bound_twice.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <tuple>

namespace keyloom {

namespace {

// Where a row's line stands in the written file: lines in their order, the
// rows without one together before lines[insertAt], in list order.
using FilePlace = std::tuple<std::size_t, int, std::size_t>;

FilePlace PlaceOf(const RowOrigin& origin, std::size_t row, std::size_t insertAt) {
    if (origin.line == kNoLine) return {insertAt, 0, row};
    return {origin.line, 1, 0};
}

// FNV-1a over the verb and the key's bytes.
std::uint64_t BindingHash(HotkeyVerb verb, std::string_view key) {
    std::uint64_t hash = 14695981039346656037ull;
    hash = (hash ^ static_cast<unsigned char>(verb)) * 1099511628211ull;
    for (char byte : key) hash = (hash ^ static_cast<unsigned char>(byte)) * 1099511628211ull;
    return hash;
}

}  // namespace

// One open-addressing table of row numbers, one slot per binding, holding
// the live row of each: a start-up and every save work it out again, so it
// must cost little at hundreds of thousands of rows (no node, no string
// made per row).
std::vector<int> CoveringRows(const std::vector<HotkeyEntry>& rows,
                              const std::vector<RowOrigin>& origins, std::size_t insertAt) {
    const std::size_t count = std::min(rows.size(), origins.size());
    std::vector<int> covering(rows.size(), -1);
    std::size_t capacity = 16;
    while (capacity < 2 * count) capacity *= 2;
    const std::size_t mask = capacity - 1;
    std::vector<int> live(capacity, -1);
    std::vector<std::uint32_t> slotOf(count);
    bool anyTwice = false;
    for (std::size_t i = 0; i < count; ++i) {
        const HotkeyVerb verb = origins[i].verb;
        const std::string& key = rows[i].key;
        std::size_t slot = BindingHash(verb, key) & mask;
        while (live[slot] != -1) {
            const std::size_t other = static_cast<std::size_t>(live[slot]);
            if (origins[other].verb == verb && rows[other].key == key) break;
            slot = (slot + 1) & mask;
        }
        slotOf[i] = static_cast<std::uint32_t>(slot);
        if (live[slot] == -1) {
            live[slot] = static_cast<int>(i);
            continue;
        }
        anyTwice = true;
        const std::size_t other = static_cast<std::size_t>(live[slot]);
        if (PlaceOf(origins[other], other, insertAt) < PlaceOf(origins[i], i, insertAt)) {
            live[slot] = static_cast<int>(i);
        }
    }
    if (!anyTwice) return covering;
    for (std::size_t i = 0; i < count; ++i) {
        const int winner = live[slotOf[i]];
        if (winner != static_cast<int>(i)) covering[i] = winner;
    }
    return covering;
}

bool IsUnpairedRow(const std::vector<int>& covering, int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= covering.size()) return false;
    if (covering[static_cast<std::size_t>(row)] != -1) return false;
    return std::find(covering.begin(), covering.end(), row) == covering.end();
}

void RemoveUnpairedRow(std::vector<int>* covering, int row) {
    covering->erase(covering->begin() + row);
    for (int& covered : *covering) {
        if (covered > row) --covered;
    }
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
