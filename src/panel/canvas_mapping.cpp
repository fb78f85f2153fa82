#include "panel/canvas_mapping.h"

#include "panel/panel_geometry.h"

#include <algorithm>
#include <cstdint>

namespace pattik {
namespace {

// trunc(fromOrigin * source / canvas + offset) exactly: the offset joins the numerator
// before the division, which truncates toward zero in C++, so a point just left of a
// scrolled canvas maps one column left of the offset, as it does unscrolled. Client points
// are ints and a source is at most the canvas, so every product fits 64 bits.
int ScaleToSource(std::int64_t fromOrigin, std::int64_t source, std::int64_t canvas,
                  std::int64_t offset) {
    const std::int64_t pixel = (fromOrigin * source + offset * canvas) / canvas;
    return static_cast<int>(std::clamp<std::int64_t>(pixel, INT32_MIN, INT32_MAX));
}

// The first destination cell of a source cell when `source` cells are stretched over
// `destination` ones: cell j shows source floor(j * source / destination), so source i
// starts at ceil(i * destination / source).
std::int64_t FirstCell(std::int64_t i, std::int64_t source, std::int64_t destination) {
    return (i * destination + source - 1) / source;
}

} // namespace

CanvasMapping::CanvasMapping(float scale, Point offset, Size picture)
    : scale_(scale), offset_(offset), picture_(picture) {}

Point CanvasMapping::ClientToImage(Point client) const {
    const RECT canvas = Canvas();
    const RECT source = SourceArea();
    if (IsEmpty(source)) {
        return offset_;
    }
    return Point{
        ScaleToSource(std::int64_t{client.x} - canvas.left, Width(source), Width(canvas),
                      source.left),
        ScaleToSource(std::int64_t{client.y} - canvas.top, Height(source), Height(canvas),
                      source.top),
    };
}

RECT CanvasMapping::Canvas() const {
    return PanelGeometry::Canvas(picture_);
}

RECT CanvasMapping::SourceArea() const {
    const RECT canvas = Canvas();
    const auto width = static_cast<int>(static_cast<double>(Width(canvas)) / scale_);
    const auto height = static_cast<int>(static_cast<double>(Height(canvas)) / scale_);
    return ClampedRect(offset_.x, offset_.y, std::int64_t{offset_.x} + width,
                       std::int64_t{offset_.y} + height);
}

RECT CanvasMapping::ImageToCanvas(Point pixel) const {
    const RECT source = SourceArea();
    if (IsEmpty(source) || !Contains(source, pixel.x, pixel.y)) {
        return RECT{};
    }
    const RECT canvas = Canvas();
    const std::int64_t column = std::int64_t{pixel.x} - source.left;
    const std::int64_t row = std::int64_t{pixel.y} - source.top;
    return ClampedRect(canvas.left + FirstCell(column, Width(source), Width(canvas)),
                       canvas.top + FirstCell(row, Height(source), Height(canvas)),
                       canvas.left + FirstCell(column + 1, Width(source), Width(canvas)),
                       canvas.top + FirstCell(row + 1, Height(source), Height(canvas)));
}

RECT CanvasMapping::PictureAreaToCanvas(const RECT& area) const {
    const RECT source = SourceArea();
    const RECT shown = Intersect(area, source);
    if (IsEmpty(shown)) {
        return RECT{};
    }
    const RECT canvas = Canvas();
    const auto cell = [](std::int64_t origin, std::int64_t i, std::int64_t sourceLength,
                         std::int64_t canvasLength) {
        return origin + FirstCell(i, sourceLength, canvasLength);
    };
    return ClampedRect(
        cell(canvas.left, std::int64_t{shown.left} - source.left, Width(source), Width(canvas)),
        cell(canvas.top, std::int64_t{shown.top} - source.top, Height(source), Height(canvas)),
        cell(canvas.left, std::int64_t{shown.right} - source.left, Width(source), Width(canvas)),
        cell(canvas.top, std::int64_t{shown.bottom} - source.top, Height(source), Height(canvas)));
}

RECT CanvasMapping::CanvasToPictureArea(const RECT& client) const {
    const RECT shown = Intersect(client, Canvas());
    if (IsEmpty(shown) || IsEmpty(SourceArea())) {
        return RECT{};
    }
    // Inside the canvas ClientToImage never truncates a negative value, so the last pixel's
    // successor bounds the block.
    const Point first = ClientToImage(Point{shown.left, shown.top});
    const Point last = ClientToImage(Point{shown.right - 1, shown.bottom - 1});
    return ClampedRect(first.x, first.y, std::int64_t{last.x} + 1, std::int64_t{last.y} + 1);
}

} // namespace pattik
