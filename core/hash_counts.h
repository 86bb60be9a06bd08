// Counts by 64-bit hash in one flat open-addressing table: no node and no
// allocation per entry, so counting hundreds of thousands of rows at a
// start or a reload costs one pass.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace keyloom {

class HashCounts {
public:
    // Empty, with room for about expected hashes.
    void Reset(std::size_t expected);
    void Add(std::uint64_t hash, int by);
    std::uint32_t Get(std::uint64_t hash) const;

private:
    std::size_t SlotOf(std::uint64_t hash) const;
    void Grow();

    // 0 marks an empty slot: a hash of 0 is kept as 1.
    std::vector<std::uint64_t> keys_;
    std::vector<std::uint32_t> counts_;
    std::size_t used_ = 0;
};

}  // namespace keyloom
