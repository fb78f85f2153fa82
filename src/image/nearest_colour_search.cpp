#include "image/nearest_colour_search.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <vector>

namespace pattik {
namespace {

// Where an unused slot, or the box of an empty group, lies: so far outside the cube that no
// colour comes nearer to it than to any entry.
constexpr float kNowhere = 1000;
constexpr int kIndexBits = 8;
constexpr std::int32_t kIndexMask = (1 << kIndexBits) - 1;
// How much farther from the middle colour than the rest an entry must lie to be kept out of
// the boxes.
constexpr int kAsideFactor = 2;
// Above the rank of any box or entry, even one that lies nowhere (3 x 1000^2 away).
constexpr std::int32_t kUnranked = std::int32_t{4000000} << kIndexBits;

// A squared distance and an index in one number, ordered as (distance, index) pairs are, so
// that the least rank is the nearest entry with the lowest index among equally near ones. As
// whole numbers, unlike floating point, their minimum is found several at a time. Distances
// are whole numbers, exact in floating point at these sizes.
std::int32_t Rank(float distance, std::int32_t index) {
    return static_cast<std::int32_t>(distance) << kIndexBits | index;
}

struct Entry {
    std::array<int, 3> channel; // blue, green, red
    std::int32_t index;
    int farness = 0; // from the palette's middle colour, squared
};

struct Range {
    std::size_t begin;
    std::size_t end;
};

// The channel whose values differ most over a range, by their variance. The sums fit 32 bits
// for the 256 entries there can be at most.
std::size_t WidestChannel(const std::vector<Entry>& entries, Range range) {
    std::array<std::int32_t, 3> sum{};
    std::array<std::int32_t, 3> sumOfSquares{};
    for (std::size_t i = range.begin; i < range.end; ++i) {
        const std::array<int, 3>& value = entries[i].channel;
        sum = {sum[0] + value[0], sum[1] + value[1], sum[2] + value[2]};
        sumOfSquares = {sumOfSquares[0] + value[0] * value[0],
                        sumOfSquares[1] + value[1] * value[1],
                        sumOfSquares[2] + value[2] * value[2]};
    }
    // The variance times the count squared, which keeps it in whole numbers.
    const auto count = static_cast<std::int64_t>(range.end - range.begin);
    std::size_t widest = 0;
    std::int64_t widestSpread = -1;
    for (std::size_t c = 0; c < 3; ++c) {
        const std::int64_t spread =
            count * sumOfSquares[c] - std::int64_t{sum[c]} * std::int64_t{sum[c]};
        if (spread > widestSpread) {
            widestSpread = spread;
            widest = c;
        }
    }
    return widest;
}

// Halves the entries the given number of times, by count, each time across the channel whose
// values differ most, and adds the ranges this leaves to groups in order: entries that lie
// close together end up in one group. The variance, unlike the range of values, is not
// fooled by one odd colour, such as black or magenta among a picture's own.
void SortIntoGroups(std::vector<Entry>& entries, Range range, int halvings,
                    std::vector<Range>& groups) {
    if (halvings == 0) {
        groups.push_back(range);
        return;
    }
    const std::size_t middle = range.begin + (range.end - range.begin) / 2;
    if (range.end - range.begin >= 2) {
        const std::size_t widest = WidestChannel(entries, range);
        const auto first = entries.begin();
        std::nth_element(first + static_cast<std::ptrdiff_t>(range.begin),
                         first + static_cast<std::ptrdiff_t>(middle),
                         first + static_cast<std::ptrdiff_t>(range.end),
                         [widest](const Entry& a, const Entry& b) {
                             return a.channel[widest] < b.channel[widest];
                         });
    }
    SortIntoGroups(entries, Range{range.begin, middle}, halvings - 1, groups);
    SortIntoGroups(entries, Range{middle, range.end}, halvings - 1, groups);
}

// How far a value lies outside the span middle - halfWidth .. middle + halfWidth: 0 inside.
// Written without a comparison, which would keep the compiler from measuring several boxes
// at once.
float Outside(float value, float middle, float halfWidth) {
    const float beyond = std::abs(value - middle) - halfWidth;
    return (beyond + std::abs(beyond)) / 2;
}

// The entries to keep out of the boxes: of the maxAside entries farthest from the palette's
// middle colour, those more than twice as far from it (in squared distance) as the next
// farthest. In a saved picture's palette these are magenta and black when the picture's own
// colours lie together: a box that took one would stretch over much of the cube and be
// opened for many colours nowhere near its other entries. Moves them to the front and says
// how many there are.
std::size_t MoveFarOnesToFront(std::vector<Entry>& entries, std::size_t maxAside) {
    if (entries.size() <= 2 * maxAside) {
        return 0;
    }
    std::array<int, 3> middle{};
    std::vector<int> values(entries.size());
    for (std::size_t c = 0; c < 3; ++c) {
        std::transform(entries.begin(), entries.end(), values.begin(),
                       [c](const Entry& entry) { return entry.channel[c]; });
        const auto half = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
        std::nth_element(values.begin(), half, values.end());
        middle[c] = *half;
    }
    for (Entry& entry : entries) {
        entry.farness = 0;
        for (std::size_t c = 0; c < 3; ++c) {
            entry.farness += (entry.channel[c] - middle[c]) * (entry.channel[c] - middle[c]);
        }
    }
    // The maxAside farthest first, farthest of all at the front, then the next farthest.
    const auto farther = [](const Entry& a, const Entry& b) { return a.farness > b.farness; };
    const auto next = entries.begin() + static_cast<std::ptrdiff_t>(maxAside);
    std::nth_element(entries.begin(), next, entries.end(), farther);
    std::sort(entries.begin(), next, farther);
    const int nextFarthest = entries[maxAside].farness;
    std::size_t aside = 0;
    while (aside < maxAside && entries[aside].farness > kAsideFactor * nextFarthest) {
        ++aside;
    }
    return aside;
}

} // namespace

NearestColourSearch::NearestColourSearch(const RGBQUAD* palette, std::uint32_t count) {
    const std::size_t size = std::min(count, kMaxEntries);
    empty_ = size == 0;
    std::vector<Entry> entries(size);
    for (std::size_t i = 0; i < size; ++i) {
        entries[i] = Entry{{palette[i].rgbBlue, palette[i].rgbGreen, palette[i].rgbRed},
                           static_cast<std::int32_t>(i)};
    }
    aside_.Fill(kNowhere);
    const std::size_t aside = MoveFarOnesToFront(entries, kMaxAside);
    for (std::size_t i = 0; i < aside; ++i) {
        aside_.blue[i] = static_cast<float>(entries[i].channel[0]);
        aside_.green[i] = static_cast<float>(entries[i].channel[1]);
        aside_.red[i] = static_cast<float>(entries[i].channel[2]);
        asideIndices_[i] = entries[i].index;
    }
    hasAside_ = aside > 0;

    std::vector<Range> groups;
    groups.reserve(kGroups);
    // Halving the other entries this often leaves kGroups groups of at most kGroupSize.
    SortIntoGroups(entries, Range{aside, size}, std::countr_zero(kGroups), groups);

    entries_.Fill(kNowhere);
    middle_.Fill(kNowhere);
    for (std::size_t group = 0; group < kGroups; ++group) {
        const Range range = groups[group];
        if (range.begin == range.end) {
            continue;
        }
        std::array<int, 3> low = entries[range.begin].channel;
        std::array<int, 3> high = low;
        std::int32_t lowestIndex = entries[range.begin].index;
        for (std::size_t i = range.begin; i < range.end; ++i) {
            const Entry& entry = entries[i];
            const std::size_t slot = group * kGroupSize + (i - range.begin);
            entries_.blue[slot] = static_cast<float>(entry.channel[0]);
            entries_.green[slot] = static_cast<float>(entry.channel[1]);
            entries_.red[slot] = static_cast<float>(entry.channel[2]);
            indices_[slot] = entry.index;
            for (std::size_t c = 0; c < 3; ++c) {
                low[c] = std::min(low[c], entry.channel[c]);
                high[c] = std::max(high[c], entry.channel[c]);
            }
            lowestIndex = std::min(lowestIndex, entry.index);
        }
        middle_.blue[group] = static_cast<float>(low[0] + high[0]) / 2;
        middle_.green[group] = static_cast<float>(low[1] + high[1]) / 2;
        middle_.red[group] = static_cast<float>(low[2] + high[2]) / 2;
        halfWidth_.blue[group] = static_cast<float>(high[0] - low[0]) / 2;
        halfWidth_.green[group] = static_cast<float>(high[1] - low[1]) / 2;
        halfWidth_.red[group] = static_cast<float>(high[2] - low[2]) / 2;
        lowestIndex_[group] = lowestIndex;
    }
}

template <std::size_t N>
std::int32_t NearestColourSearch::RankOf(const Colours<N>& colours,
                                         const std::array<std::int32_t, N>& indices,
                                         std::size_t slot, const Colour& query) {
    const float blue = colours.blue[slot] - query.blue;
    const float green = colours.green[slot] - query.green;
    const float red = colours.red[slot] - query.red;
    return Rank(blue * blue + green * green + red * red, indices[slot]);
}

std::uint8_t NearestColourSearch::Find(RGBQUAD colour) const {
    if (empty_) {
        return 0;
    }
    const Colour query{static_cast<float>(colour.rgbBlue), static_cast<float>(colour.rgbGreen),
                       static_cast<float>(colour.rgbRed)};
    // The least rank an entry of each group could have: how far the colour lies from the
    // group's box, along each channel how far from the middle beyond half the width, with
    // the group's lowest index.
    std::array<std::int32_t, kGroups> least;
    std::int32_t leastOfAll = kUnranked;
    for (std::size_t group = 0; group < kGroups; ++group) {
        const float blue = Outside(query.blue, middle_.blue[group], halfWidth_.blue[group]);
        const float green = Outside(query.green, middle_.green[group], halfWidth_.green[group]);
        const float red = Outside(query.red, middle_.red[group], halfWidth_.red[group]);
        least[group] = Rank(blue * blue + green * green + red * red, lowestIndex_[group]);
        leastOfAll = std::min(leastOfAll, least[group]);
    }
    // The nearest box first, so that its best entry rules out most of the others; then each
    // box that could still hold a better entry.
    std::size_t first = 0;
    while (least[first] != leastOfAll) {
        ++first;
    }
    std::int32_t best = kUnranked;
    if (hasAside_) {
        for (std::size_t i = 0; i < kMaxAside; ++i) {
            best = std::min(best, RankOf(aside_, asideIndices_, i, query));
        }
    }
    best = SearchGroup(first, query, best);
    least[first] = kUnranked;
    for (std::size_t group = 0; group < kGroups; ++group) {
        if (least[group] < best) {
            best = SearchGroup(group, query, best);
        }
    }
    return static_cast<std::uint8_t>(best & kIndexMask);
}

std::int32_t NearestColourSearch::SearchGroup(std::size_t group, const Colour& query,
                                              std::int32_t best) const {
    const std::size_t begin = group * kGroupSize;
    for (std::size_t slot = begin; slot < begin + kGroupSize; ++slot) {
        best = std::min(best, RankOf(entries_, indices_, slot, query));
    }
    return best;
}

} // namespace pattik
