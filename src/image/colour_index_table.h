#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pattik {

// The palette entry of each colour a picture has shown so far, looked up once a pixel while
// the picture becomes a GIF: colours are 24-bit keys (red, green, blue from the high byte
// down) in one flat block, each at its hashed slot or in the first free one after it.
class ColourIndexTable {
  public:
    // Where a key is, or where it would go.
    struct Place {
        std::uint32_t slot;
        bool found;
    };

    // Room for expectedKeys keys before the table has to grow.
    explicit ColourIndexTable(std::size_t expectedKeys);

    Place Locate(std::uint32_t key) const {
        std::uint32_t slot = (key * kSpreader) >> shift_;
        while (keys_[slot] != key && keys_[slot] != kFree) {
            slot = (slot + 1) & mask_;
        }
        return Place{slot, keys_[slot] == key};
    }
    std::uint8_t EntryAt(Place place) const { return entries_[place.slot]; }
    // Stores the entry of a key that Locate did not find, at the place it gave.
    void Put(Place place, std::uint32_t key, std::uint8_t entry);

  private:
    // No 24-bit colour has this key, so it marks a free slot.
    static constexpr std::uint32_t kFree = 0xFFFFFFFFu;
    // Fibonacci hashing: the product spreads keys that differ in any channel over its high
    // bits, which pick the slot.
    static constexpr std::uint32_t kSpreader = 0x9E3779B1u;

    void Grow();

    std::vector<std::uint32_t> keys_;
    std::vector<std::uint8_t> entries_;
    std::uint32_t mask_ = 0;
    int shift_ = 0;
    std::size_t size_ = 0;
};

} // namespace pattik
