#include "raster/pixel_blocks.h"

#include <algorithm>
#include <cstdint>

namespace pattik {

void FlipBlockHorizontally(DeviceBitmap& bitmap, const RECT& block) {
    const RECT area = Intersect(block, bitmap.Bounds());
    for (int y = area.top; y < area.bottom; ++y) {
        COLORREF* row = bitmap.Row(y);
        std::reverse(row + area.left, row + area.right);
    }
}

void FlipBlockVertically(DeviceBitmap& bitmap, const RECT& block) {
    const RECT area = Intersect(block, bitmap.Bounds());
    for (int top = area.top, bottom = area.bottom - 1; top < bottom; ++top, --bottom) {
        std::swap_ranges(bitmap.Row(top) + area.left, bitmap.Row(top) + area.right,
                         bitmap.Row(bottom) + area.left);
    }
}

DeviceBitmap TurnedQuarterClockwise(const DeviceBitmap& bitmap, const RECT& block) {
    const RECT area = Intersect(block, bitmap.Bounds());
    if (IsEmpty(area)) {
        return DeviceBitmap{};
    }
    const auto width = static_cast<int>(Width(area));
    const auto height = static_cast<int>(Height(area));
    DeviceBitmap turned(height, width);
    for (int y = 0; y < width; ++y) {
        for (int x = 0; x < height; ++x) {
            // The turned pixel (x, y) comes from row height-1-x, column y of the block.
            turned.At(x, y) = bitmap.At(area.left + y, area.top + height - 1 - x);
        }
    }
    return turned;
}

void CopyBlock(const DeviceBitmap& from, const RECT& block, DeviceBitmap& to, Point at) {
    const RECT area = Intersect(block, from.Bounds());
    for (int y = area.top; y < area.bottom; ++y) {
        const std::int64_t toY = std::int64_t{at.y} + y - block.top;
        if (toY < 0 || toY >= to.Height()) {
            continue;
        }
        for (int x = area.left; x < area.right; ++x) {
            const std::int64_t toX = std::int64_t{at.x} + x - block.left;
            if (toX >= 0 && toX < to.Width()) {
                to.At(static_cast<int>(toX), static_cast<int>(toY)) = from.At(x, y);
            }
        }
    }
}

int CountInBlock(const DeviceBitmap& bitmap, const RECT& block, COLORREF colour) {
    const RECT area = Intersect(block, bitmap.Bounds());
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        const COLORREF* row = bitmap.Row(y);
        count += static_cast<int>(std::count(row + area.left, row + area.right, colour));
    }
    return count;
}

int ReplaceInBlock(DeviceBitmap& bitmap, const RECT& block, COLORREF from, COLORREF to) {
    const RECT area = Intersect(block, bitmap.Bounds());
    int changed = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        COLORREF* row = bitmap.Row(y);
        for (int x = area.left; x < area.right; ++x) {
            if (row[x] == from) {
                row[x] = to;
                ++changed;
            }
        }
    }
    return changed;
}

} // namespace pattik
