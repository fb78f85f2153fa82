#include "tools/tool_table.h"

#include <array>

namespace pattik {
namespace {

// In the order of the palette's buttons, so a tool's number is its row. Option layouts:
// 0 line widths, 1 fill styles, 2 spray sizes, 3 zooms, 4 eraser sizes, 5 selection modes,
// 6 none.
constexpr std::array<ToolTraits, 10> kTools{{
    {ToolKind::Rectangle, PressShape, DragShape, ReleaseRectangle, PreviewRectangle, 1},
    {ToolKind::Ellipse, PressShape, DragShape, ReleaseEllipse, PreviewEllipse, 1},
    {ToolKind::Line, PressShape, DragShape, ReleaseLine, PreviewLine, 0},
    {ToolKind::FloodFill, PressFloodFill, nullptr, nullptr, nullptr, 6},
    {ToolKind::Pencil, PressPencil, DragPencil, ReleasePencil, PreviewPencil, 0},
    {ToolKind::ColourPicker, PressColourPicker, nullptr, nullptr, nullptr, 6},
    {ToolKind::Airbrush, PressAirbrush, DragAirbrush, ReleaseAirbrush, nullptr, 2},
    {ToolKind::Eraser, EraseAt, EraseAt, nullptr, PreviewEraser, 4},
    {ToolKind::Selection, PressSelection, DragSelection, ReleaseSelection, PreviewSelection, 5},
    {ToolKind::Magnifier, nullptr, nullptr, nullptr, nullptr, 3},
}};

constexpr ToolTraits kNoTool{};

} // namespace

const ToolTraits& TraitsOf(ToolKind tool) {
    const int row = static_cast<int>(tool);
    if (row < 0 || row >= static_cast<int>(kTools.size())) {
        return kNoTool;
    }
    return kTools[static_cast<std::size_t>(row)];
}

void ToolPreviews::DrawOverlay(const CEditPanel& panel, DrawingContext& composition) const {
    if (const PreviewRoutine preview = TraitsOf(panel.Options().currentTool).preview) {
        preview(panel, composition);
    }
}

} // namespace pattik
