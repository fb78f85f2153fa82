// Block copies between drawing contexts.
//
// Which source pixels land on which destination pixel, along each axis, for a source
// run of length s copied onto a destination run of length d:
//   - enlarging or equal (d >= s): destination pixel j shows source pixel
//     floor(j * s / d), so every source pixel is repeated d / s times or one more;
//   - shrinking (d < s): source pixel i lands on destination pixel floor(i * d / s), so
//     destination pixel j gathers sources ceil(j * s / d) .. ceil((j + 1) * s / d) - 1,
//     one or more of them. BLACKONWHITE combines all it gathers by bitwise AND of their
//     colour values (dark wins, so thin dark lines survive a reduction);
//     COLORONCOLOR keeps the first of them.
// 40 -> 25, for example, gathers sources {0, 1}, {2, 3}, {4}, {5, 6}, {7}, ... : three
// of every five destination pixels combine two source pixels.
#include "raster/drawing_context.h"
#include "raster/wide_math.h"

#include <algorithm>
#include <vector>

namespace pattik {
namespace {

struct SourceRun {
    std::int64_t first;
    std::int64_t last;
};

SourceRun SourcesOf(std::int64_t j, std::int64_t destinationLength, std::int64_t sourceLength) {
    if (destinationLength >= sourceLength) {
        const std::int64_t i = MulDivFloor(j, sourceLength, destinationLength);
        return SourceRun{i, i};
    }
    return SourceRun{MulDivCeil(j, sourceLength, destinationLength),
                     MulDivCeil(j + 1, sourceLength, destinationLength) - 1};
}

// The destination block (x, y, w, h) within the clip box, or an empty box.
RECT ClippedTarget(const DrawingContext& destination, int x, int y, int w, int h) {
    const RECT clip = destination.GetClipBox();
    if (w <= 0 || h <= 0 || IsEmpty(clip)) {
        return RECT{};
    }
    return Intersect(ClampedRect(x, y, std::int64_t{x} + w, std::int64_t{y} + h), clip);
}

// Enlarging, or keeping the first source pixel (COLORONCOLOR), every destination pixel shows
// exactly one source pixel: each is looked up once, and a destination row that shows the
// same source row as the one above it is a copy of that row.
void CopyOneSourcePixelEach(DeviceBitmap& to, const RECT& box,
                            const std::vector<SourceRun>& columns, const DeviceBitmap& pixels,
                            int y, int h, int sy, int sh) {
    const auto width = static_cast<std::size_t>(Width(box));
    std::vector<int> sourceColumn(width, -1);
    bool everyColumnHasASource = true;
    for (std::size_t j = 0; j < width; ++j) {
        const std::int64_t column = columns[j].first;
        if (column >= 0 && column < pixels.Width()) {
            sourceColumn[j] = static_cast<int>(column);
        } else {
            everyColumnHasASource = false;
        }
    }
    std::int64_t previousRow = -1;
    const COLORREF* previousOut = nullptr;
    for (int py = box.top; py < box.bottom; ++py) {
        const std::int64_t row = sy + SourcesOf(std::int64_t{py} - y, h, sh).first;
        COLORREF* out = to.Row(py) + box.left;
        if (row < 0 || row >= pixels.Height()) {
            previousOut = nullptr;
            continue; // no source row: leave the destination as it is
        }
        // Pixels without a source keep what each row had, so only whole rows are copied.
        if (row == previousRow && previousOut != nullptr && everyColumnHasASource) {
            std::copy_n(previousOut, width, out);
            continue;
        }
        const COLORREF* in = pixels.Row(static_cast<int>(row));
        for (std::size_t j = 0; j < width; ++j) {
            if (sourceColumn[j] >= 0) {
                out[j] = in[sourceColumn[j]];
            }
        }
        previousRow = row;
        previousOut = out;
    }
}

} // namespace

bool BitBlt(DrawingContext& destination, int x, int y, int w, int h, const DrawingContext& source,
            int sx, int sy) {
    const DeviceBitmap* from = source.Bitmap();
    DeviceBitmap* to = destination.Bitmap();
    if (from == nullptr || to == nullptr) {
        return false;
    }
    RECT box = ClippedTarget(destination, x, y, w, h);
    // Keep to the destination pixels whose source pixel exists.
    const std::int64_t shiftX = std::int64_t{sx} - x;
    const std::int64_t shiftY = std::int64_t{sy} - y;
    box = Intersect(box,
                    ClampedRect(-shiftX, -shiftY, from->Width() - shiftX, from->Height() - shiftY));
    if (IsEmpty(box)) {
        return true;
    }
    destination.NoteChange(box);
    const auto columns = static_cast<std::size_t>(Width(box));
    // A copy within one bitmap may overlap itself, so rows go through a buffer.
    std::vector<COLORREF> row(columns);
    const bool upwards = from == to && shiftY < 0;
    for (int k = 0; k < box.bottom - box.top; ++k) {
        const int py = upwards ? box.bottom - 1 - k : box.top + k;
        const COLORREF* in = from->Row(static_cast<int>(py + shiftY)) + (box.left + shiftX);
        std::copy_n(in, columns, row.begin());
        std::copy_n(row.begin(), columns, to->Row(py) + box.left);
    }
    return true;
}

bool StretchBlt(DrawingContext& destination, int x, int y, int w, int h,
                const DrawingContext& source, int sx, int sy, int sw, int sh) {
    const DeviceBitmap* from = source.Bitmap();
    DeviceBitmap* to = destination.Bitmap();
    if (from == nullptr || to == nullptr) {
        return false;
    }
    if (sw <= 0 || sh <= 0) {
        return true;
    }
    const RECT box = ClippedTarget(destination, x, y, w, h);
    if (IsEmpty(box)) {
        return true;
    }
    destination.NoteChange(box);
    std::vector<SourceRun> columns;
    for (int px = box.left; px < box.right; ++px) {
        const SourceRun run = SourcesOf(std::int64_t{px} - x, w, sw);
        columns.push_back(SourceRun{sx + run.first, sx + run.last});
    }
    // Read from a copy when source and destination are one bitmap.
    const DeviceBitmap snapshot = from == to ? *from : DeviceBitmap{};
    const DeviceBitmap& pixels = from == to ? snapshot : *from;
    const bool combine = destination.GetStretchBltMode() == StretchMode::BlackOnWhite;
    if (!combine || (w >= sw && h >= sh)) {
        CopyOneSourcePixelEach(*to, box, columns, pixels, y, h, sy, sh);
        return true;
    }
    for (int py = box.top; py < box.bottom; ++py) {
        SourceRun rows = SourcesOf(std::int64_t{py} - y, h, sh);
        rows = SourceRun{sy + rows.first, sy + rows.last};
        if (!combine) {
            rows.last = rows.first;
        }
        const std::int64_t rowFirst = std::max<std::int64_t>(rows.first, 0);
        const std::int64_t rowLast = std::min<std::int64_t>(rows.last, pixels.Height() - 1);
        COLORREF* out = to->Row(py);
        for (int px = box.left; px < box.right; ++px) {
            SourceRun cols = columns[static_cast<std::size_t>(px - box.left)];
            if (!combine) {
                cols.last = cols.first;
            }
            const std::int64_t colFirst = std::max<std::int64_t>(cols.first, 0);
            const std::int64_t colLast = std::min<std::int64_t>(cols.last, pixels.Width() - 1);
            if (rowFirst > rowLast || colFirst > colLast) {
                continue; // no source pixel: leave the destination as it is
            }
            COLORREF combined = 0x00FFFFFF;
            for (std::int64_t sy2 = rowFirst; sy2 <= rowLast; ++sy2) {
                const COLORREF* in = pixels.Row(static_cast<int>(sy2));
                for (std::int64_t sx2 = colFirst; sx2 <= colLast; ++sx2) {
                    combined &= in[sx2];
                }
            }
            out[px] = combined;
        }
    }
    return true;
}

} // namespace pattik
