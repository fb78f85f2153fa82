#include "support/raster/pixel_grid.h"

#include <algorithm>
#include <sstream>

namespace pattik::testing {

void PaintGrid(DeviceBitmap& bitmap, Point origin, const Grid& rows, const Legend& legend) {
    for (int y = 0; y < static_cast<int>(rows.size()); ++y) {
        for (int x = 0; x < static_cast<int>(rows[y].size()); ++x) {
            const int px = origin.x + x;
            const int py = origin.y + y;
            const auto colour = legend.find(rows[y][x]);
            if (colour != legend.end() && bitmap.Contains(px, py)) {
                bitmap.At(px, py) = colour->second;
            }
        }
    }
}

Grid ReadGrid(const DeviceBitmap& bitmap, Point origin, int width, int height,
              const Legend& legend) {
    Grid grid;
    for (int y = 0; y < height; ++y) {
        std::string row;
        for (int x = 0; x < width; ++x) {
            const int px = origin.x + x;
            const int py = origin.y + y;
            char symbol = ' ';
            if (bitmap.Contains(px, py)) {
                symbol = '?';
                for (const auto& [key, colour] : legend) {
                    if (colour == bitmap.At(px, py)) {
                        symbol = key;
                        break;
                    }
                }
            }
            row += symbol;
        }
        grid.push_back(row);
    }
    return grid;
}

::testing::AssertionResult PixelsMatch(const DeviceBitmap& bitmap, Point origin, const Grid& rows,
                                       const Legend& legend) {
    std::size_t width = 0;
    for (const auto& row : rows) {
        width = std::max(width, row.size());
    }
    const Grid actual =
        ReadGrid(bitmap, origin, static_cast<int>(width), static_cast<int>(rows.size()), legend);
    bool same = true;
    for (std::size_t y = 0; y < rows.size(); ++y) {
        for (std::size_t x = 0; x < rows[y].size(); ++x) {
            same = same && rows[y][x] == actual[y][x];
        }
    }
    if (same) {
        return ::testing::AssertionSuccess();
    }
    std::ostringstream out;
    out << "pixels at (" << origin.x << ", " << origin.y << ") differ\n";
    out << "expected" << std::string(width > 8 ? width - 8 + 3 : 3, ' ') << "actual\n";
    for (std::size_t y = 0; y < rows.size(); ++y) {
        const std::string expected = rows[y] + std::string(width - rows[y].size(), ' ');
        out << expected << "   " << actual[y] << (expected == actual[y] ? "" : "   <") << '\n';
    }
    return ::testing::AssertionFailure() << out.str();
}

} // namespace pattik::testing
