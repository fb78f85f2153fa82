#include "tools/tool_table.h"

#include "panel/mirror_axis.h"
#include "res/string_table.h"
#include "tools/mirror_drawing.h"

namespace pattik {
namespace {

// In the order of the palette's buttons, so a tool's number is its row.
constexpr std::array<ToolRow, kToolCount> kTools{{
    {.kind = ToolKind::Rectangle,
     .key = 'U',
     .toolTip = kRectangleToolTip,
     .faces = {141, 208},
     .options = OptionSet::FillStyles,
     .press = PressShape,
     .drag = DragBox,
     .release = ReleaseRectangle,
     .preview = PreviewRectangle,
     .previewArea = ShapePreviewArea,
     .mirrored = true,
     .cancelledByEsc = true},
    {.kind = ToolKind::Ellipse,
     .key = 'O',
     .toolTip = kEllipseToolTip,
     .faces = {142, 209},
     .options = OptionSet::FillStyles,
     .press = PressShape,
     .drag = DragBox,
     .release = ReleaseEllipse,
     .preview = PreviewEllipse,
     .previewArea = ShapePreviewArea,
     .mirrored = true,
     .cancelledByEsc = true},
    {.kind = ToolKind::Line,
     .key = 'L',
     .toolTip = kLineToolTip,
     .faces = {140, 207},
     .options = OptionSet::LineWidths,
     .press = PressShape,
     .drag = DragLine,
     .release = ReleaseLine,
     .preview = PreviewLine,
     .previewArea = ShapePreviewArea,
     .mirrored = true,
     .cancelledByEsc = true},
    {.kind = ToolKind::FloodFill,
     .key = 'G',
     .toolTip = kFloodFillToolTip,
     .faces = {145, 212},
     .options = OptionSet::None,
     .press = PressFloodFill,
     .mirrored = true},
    {.kind = ToolKind::Pencil,
     .key = 'B',
     .toolTip = kPencilToolTip,
     .faces = {139, 230},
     .options = OptionSet::LineWidths,
     .press = PressPencil,
     .drag = DragPencil,
     .release = ReleasePencil,
     .preview = PreviewPencil,
     .previewArea = ShapePreviewArea,
     .mirrored = true},
    {.kind = ToolKind::ColourPicker,
     .key = 'I',
     .toolTip = kColourPickerToolTip,
     .faces = {146, 228},
     .options = OptionSet::None,
     .press = PressColourPicker},
    {.kind = ToolKind::Airbrush,
     .key = 'A',
     .toolTip = kAirbrushToolTip,
     .faces = {143, 210},
     .options = OptionSet::SpraySizes,
     .press = PressAirbrush,
     .drag = DragAirbrush,
     .release = ReleaseAirbrush,
     .tick = SprayAirbrush,
     .mirrored = true},
    {.kind = ToolKind::Eraser,
     .key = 'E',
     .toolTip = kEraserToolTip,
     .faces = {144, 211},
     .options = OptionSet::EraserSizes,
     .press = EraseAt,
     .drag = EraseAt,
     .preview = PreviewEraser,
     .previewArea = EraserPreviewArea,
     .mirrored = true},
    {.kind = ToolKind::Selection,
     .key = 'M',
     .toolTip = kSelectionToolTip,
     .faces = {147, 233},
     .options = OptionSet::SelectionModes,
     .press = PressSelection,
     .drag = DragSelection,
     .release = ReleaseSelection,
     .preview = PreviewSelection,
     .previewArea = SelectionPreviewArea,
     .cancelledByEsc = true},
    {.kind = ToolKind::Magnifier,
     .key = 'Z',
     .toolTip = kMagnifierToolTip,
     .faces = {138, 205},
     .options = OptionSet::Zooms,
     .oneShot = true},
}};

constexpr bool EveryRowInItsPlace() {
    for (std::size_t i = 0; i < kTools.size(); ++i) {
        if (static_cast<std::size_t>(kTools[i].kind) != i) {
            return false;
        }
    }
    return true;
}
static_assert(EveryRowInItsPlace(), "a tool's row is its number");

constexpr ToolRow kNoTool{};

} // namespace

const std::array<ToolRow, kToolCount>& ToolRows() {
    return kTools;
}

const ToolRow& RowOf(ToolKind tool) {
    const int row = static_cast<int>(tool);
    if (row < 0 || row >= kToolCount) {
        return kNoTool;
    }
    return kTools[static_cast<std::size_t>(row)];
}

std::optional<ToolKind> ToolOfButton(int buttonId) {
    if (buttonId < kFirstToolButton || buttonId > kLastToolButton) {
        return std::nullopt;
    }
    return static_cast<ToolKind>(buttonId - kFirstToolButton);
}

void ToolPreviews::DrawOverlay(const CEditPanel& panel, DrawingContext& composition) const {
    const ToolRow& row = RowOf(panel.Options().currentTool);
    const PreviewRoutine preview = row.preview;
    if (preview == nullptr) {
        return;
    }
    if (row.mirrored && panel.MirrorDrawing()) {
        DrawWithMirrorImage(composition, panel.CurrentImageSize(),
                            [&](DrawingContext& target) { preview(panel, gesture_, target); });
    } else {
        preview(panel, gesture_, composition);
    }
}

RECT ToolPreviews::OverlayArea(const CEditPanel& panel) const {
    const ToolRow& row = RowOf(panel.Options().currentTool);
    if (row.preview == nullptr) {
        return RECT{};
    }
    const Size size = panel.CurrentImageSize();
    if (row.previewArea == nullptr) {
        return RECT{0, 0, size.cx, size.cy};
    }
    const RECT area = row.previewArea(panel, gesture_);
    if (row.mirrored && panel.MirrorDrawing()) {
        return Union(area, MirroredArea(area, size.cx));
    }
    return area;
}

} // namespace pattik
