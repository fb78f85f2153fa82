#include "image/colour_index_table.h"

#include <utility>

namespace pattik {
namespace {

constexpr int kFewestSlotBits = 8;
constexpr int kMostSlotBits = 25; // twice the 24-bit colours there are
constexpr int kKeyBits = 32;

// Slots for the keys at most half full, as a power of two.
int SlotBitsFor(std::size_t keys) {
    int bits = kFewestSlotBits;
    while (bits < kMostSlotBits && (std::size_t{1} << bits) < 2 * keys) {
        ++bits;
    }
    return bits;
}

} // namespace

ColourIndexTable::ColourIndexTable(std::size_t expectedKeys) {
    const int bits = SlotBitsFor(expectedKeys);
    keys_.assign(std::size_t{1} << bits, kFree);
    entries_.assign(keys_.size(), 0);
    mask_ = static_cast<std::uint32_t>(keys_.size() - 1);
    shift_ = kKeyBits - bits;
}

void ColourIndexTable::Put(Place place, std::uint32_t key, std::uint8_t entry) {
    // At most half full, so that a look-up meets a free slot after a few steps.
    if (2 * (size_ + 1) > keys_.size()) {
        Grow();
        place = Locate(key);
    }
    keys_[place.slot] = key;
    entries_[place.slot] = entry;
    ++size_;
}

void ColourIndexTable::Grow() {
    const std::vector<std::uint32_t> oldKeys =
        std::exchange(keys_, std::vector<std::uint32_t>(2 * keys_.size(), kFree));
    const std::vector<std::uint8_t> oldEntries =
        std::exchange(entries_, std::vector<std::uint8_t>(keys_.size()));
    mask_ = static_cast<std::uint32_t>(keys_.size() - 1);
    --shift_;
    for (std::size_t i = 0; i < oldKeys.size(); ++i) {
        if (oldKeys[i] != kFree) {
            const Place place = Locate(oldKeys[i]);
            keys_[place.slot] = oldKeys[i];
            entries_[place.slot] = oldEntries[i];
        }
    }
}

} // namespace pattik
