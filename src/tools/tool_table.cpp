#include "tools/tool_table.h"

#include <array>

namespace pattik {
namespace {

// In the order of the palette's buttons, so a tool's number is its row.
constexpr std::array<ToolTraits, 10> kTools{{
    {ToolKind::Rectangle, PreviewRectangle},
    {ToolKind::Ellipse, PreviewEllipse},
    {ToolKind::Line, PreviewLine},
    {ToolKind::FloodFill, nullptr},
    {ToolKind::Pencil, PreviewPencil},
    {ToolKind::ColourPicker, nullptr},
    {ToolKind::Airbrush, nullptr},
    {ToolKind::Eraser, PreviewEraser},
    {ToolKind::Selection, PreviewSelection},
    {ToolKind::Magnifier, nullptr},
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
