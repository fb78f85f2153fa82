#include "tools/tool_routines.h"

#include "tools/shapes.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace pattik {
namespace {

int TruncateToInt(double value) {
    return static_cast<int>(std::clamp(std::trunc(value), double{INT_MIN}, double{INT_MAX}));
}

// Degrees to radians as the airbrush has always turned them: in a 32-bit float.
constexpr float kRadiansPerDegree = 0.017453292f;

} // namespace

void DrawSegment(ToolContext& tool, Point from, Point to, COLORREF colour) {
    DrawingContext image = tool.ImageContext();
    DrawSegmentShape(image, StrokeStyle(tool.Options(), colour).pen, from, to);
}

void DrawRectangle(ToolContext& tool, Point from, Point to, COLORREF colour) {
    DrawingContext image = tool.ImageContext();
    DrawRectangleShape(image, FilledShapeStyle(tool.Options(), tool.Colours(), colour), from, to);
}

void DrawEllipse(ToolContext& tool, Point from, Point to, COLORREF colour) {
    DrawingContext image = tool.ImageContext();
    DrawEllipseShape(image, FilledShapeStyle(tool.Options(), tool.Colours(), colour), from, to);
}

void EraseArea(ToolContext& tool, Point from, Point to) {
    constexpr ShapeStyle kErase{Pen{PenStyle::Solid, 1, kTransparentMagenta},
                                Brush{BrushStyle::Solid, kTransparentMagenta}};
    DrawingContext image = tool.ImageContext();
    DrawRectangleShape(image, kErase, from, to);
}

void Spray(ToolContext& tool, Point at, COLORREF colour) {
    SprayRandom& random = tool.Random();
    const int count = tool.Options().spraySize;
    if (count <= 0) {
        return;
    }
    DrawingContext image = tool.ImageContext();
    for (int dot = 0; dot < count; ++dot) {
        const int radius = random.Next() % count;
        const int degrees = random.Next() % 360;
        // The angle is a float; its sine and cosine, and the sums, are taken in double and
        // truncated toward zero.
        const float theta = static_cast<float>(degrees) * kRadiansPerDegree;
        const double angle = theta;
        image.SetPixel(TruncateToInt(radius * std::sin(angle) + at.x),
                       TruncateToInt(radius * std::cos(angle) + at.y), colour);
    }
}

void FloodFill(ToolContext& tool, Point seed, COLORREF colour) {
    DrawingContext image = tool.ImageContext();
    const COLORREF seedColour = image.GetPixel(seed.x, seed.y);
    if (seedColour == kInvalidColour || seedColour == colour) {
        return;
    }
    image.SelectBrush(Brush{BrushStyle::Solid, colour});
    image.ExtFloodFill(seed.x, seed.y, seedColour);
}

} // namespace pattik
