#pragma once

#include "raster/dib_layout.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace pattik {

// The nearest palette entry to a colour, for many colours against one palette. It answers
// exactly as a scan of every entry would: the least squared distance over red, green and
// blue, and among entries at that distance (an exact match included) the lowest index.
//
// The entries are sorted into groups that lie close together, each in a box of the colour
// cube. A colour is measured against every box at once, which takes about as long as against
// a few entries, and then only the groups whose box could hold an entry that beats the best
// one so far are searched: usually one or two. A few entries far from all the others, such
// as magenta and black in a saved picture's palette, stay out of the boxes, which they would
// stretch over much of the cube, and are measured against every colour instead.
class NearestColourSearch {
  public:
    static constexpr std::uint32_t kMaxEntries = 256;

    // Searches the first count entries (at most 256) as they are now; later changes to the
    // palette are not seen. Without entries every answer is 0.
    NearestColourSearch(const RGBQUAD* palette, std::uint32_t count);

    std::uint8_t Find(RGBQUAD colour) const;

  private:
    static constexpr std::size_t kGroupSize = 32;
    static constexpr std::size_t kGroups = kMaxEntries / kGroupSize;

    // Channels are kept as floating point, which processors multiply several at a time:
    // sums of squares of whole numbers this small are exact in it. Each is an array of its
    // own, so that a colour is measured against many entries, or boxes, in one go.
    template <std::size_t N>
    struct Colours {
        std::array<float, N> blue;
        std::array<float, N> green;
        std::array<float, N> red;

        void Fill(float value) {
            blue.fill(value);
            green.fill(value);
            red.fill(value);
        }
    };
    struct Colour {
        float blue;
        float green;
        float red;
    };

    // The rank (distance and index in one number) of one entry.
    template <std::size_t N>
    static std::int32_t RankOf(const Colours<N>& colours,
                               const std::array<std::int32_t, N>& indices, std::size_t slot,
                               const Colour& query);
    // The least of best and the ranks of the group's entries.
    std::int32_t SearchGroup(std::size_t group, const Colour& query, std::int32_t best) const;

    // Entries by group, their channels and palette indices: slot s of group g is
    // g * kGroupSize + s.
    Colours<kMaxEntries> entries_{};
    std::array<std::int32_t, kMaxEntries> indices_{};
    // Each group's box, its middle and half its width along each channel, and its lowest
    // index.
    Colours<kGroups> middle_{};
    Colours<kGroups> halfWidth_{};
    std::array<std::int32_t, kGroups> lowestIndex_{};
    // The entries kept out of the boxes; unused slots lie nowhere.
    static constexpr std::size_t kMaxAside = 4;
    Colours<kMaxAside> aside_{};
    std::array<std::int32_t, kMaxAside> asideIndices_{};
    bool hasAside_ = false;
    bool empty_ = true;
};

} // namespace pattik
