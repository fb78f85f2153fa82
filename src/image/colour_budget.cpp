#include "image/colour_budget.h"

#include <algorithm>
#include <vector>

namespace pattik {

ColourCount CountColours(const DeviceBitmap& picture) {
    // An item's pictures have at most 9,375 pixels: sorting them is quicker than hashing.
    std::vector<COLORREF> colours;
    colours.reserve(static_cast<std::size_t>(picture.Width()) *
                    static_cast<std::size_t>(picture.Height()));
    ColourCount count;
    for (int y = 0; y < picture.Height(); ++y) {
        const COLORREF* row = picture.Row(y);
        for (int x = 0; x < picture.Width(); ++x) {
            const COLORREF colour = row[x] & 0xFFFFFFu;
            if (colour == kBlack) {
                count.hasBlack = true;
            } else if (colour != kTransparentMagenta) {
                colours.push_back(colour);
            }
        }
    }
    std::sort(colours.begin(), colours.end());
    count.colours = static_cast<int>(std::unique(colours.begin(), colours.end()) - colours.begin());
    return count;
}

} // namespace pattik
