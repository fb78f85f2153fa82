#include "image/colour_index_table.h"

#include <utility>

namespace pattik {
namespace {

// Room for a picture of a hundred colours, more than items usually have, without growing.
constexpr int kFirstSlotBits = 8;
constexpr int kKeyBits = 32;

} // namespace

ColourIndexTable::ColourIndexTable()
    : keys_(std::size_t{1} << kFirstSlotBits, kFree), entries_(keys_.size()),
      mask_(static_cast<std::uint32_t>(keys_.size() - 1)), shift_(kKeyBits - kFirstSlotBits) {}

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
