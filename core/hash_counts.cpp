#include "core/hash_counts.h"

namespace keyloom {

namespace {

std::uint64_t Stored(std::uint64_t hash) {
    return hash == 0 ? 1 : hash;
}

}  // namespace

void HashCounts::Reset(std::size_t expected) {
    std::size_t capacity = 16;
    while (capacity < 2 * expected) capacity *= 2;
    keys_.assign(capacity, 0);
    counts_.assign(capacity, 0);
    used_ = 0;
}

std::size_t HashCounts::SlotOf(std::uint64_t hash) const {
    const std::size_t mask = keys_.size() - 1;
    std::size_t slot = static_cast<std::size_t>(hash) & mask;
    while (keys_[slot] != 0 && keys_[slot] != hash) slot = (slot + 1) & mask;
    return slot;
}

void HashCounts::Grow() {
    std::vector<std::uint64_t> keys = std::move(keys_);
    std::vector<std::uint32_t> counts = std::move(counts_);
    keys_.assign(keys.size() * 2, 0);
    counts_.assign(keys.size() * 2, 0);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i] == 0) continue;
        const std::size_t slot = SlotOf(keys[i]);
        keys_[slot] = keys[i];
        counts_[slot] = counts[i];
    }
}

void HashCounts::Add(std::uint64_t hash, int by) {
    if (keys_.empty()) Reset(0);
    hash = Stored(hash);
    std::size_t slot = SlotOf(hash);
    if (keys_[slot] == 0) {
        if (2 * (used_ + 1) > keys_.size()) {
            Grow();
            slot = SlotOf(hash);
        }
        keys_[slot] = hash;
        ++used_;
    }
    counts_[slot] = static_cast<std::uint32_t>(static_cast<std::int64_t>(counts_[slot]) + by);
}

std::uint32_t HashCounts::Get(std::uint64_t hash) const {
    if (keys_.empty()) return 0;
    const std::size_t slot = SlotOf(Stored(hash));
    return keys_[slot] == 0 ? 0 : counts_[slot];
}

}  // namespace keyloom
