#include "tools/tool_palette.h"

#include "panel/panel_geometry.h"
#include "res/control_ids.h"
#include "tools/palette_layouts.h"
#include "tools/tool_table.h"

namespace pattik {
namespace {

constexpr Size kToolButtonSize{30, 30};
// Where the option buttons wait before a layout places them.
constexpr RECT kOptionHome{0, 150, 30, 180};
constexpr COLORREF kSwatchShadow = RGB(168, 168, 168);

constexpr CustomColours kInitialSwatches{
    RGB(0, 0, 0),     RGB(255, 255, 255), RGB(128, 128, 128), RGB(128, 0, 0),
    RGB(128, 128, 0), RGB(255, 255, 0),   RGB(0, 128, 0),     RGB(0, 128, 128),
    RGB(0, 0, 128),   RGB(128, 0, 128),   RGB(0, 64, 64),     RGB(0, 128, 255),
    RGB(128, 0, 255), RGB(255, 0, 128),   RGB(128, 64, 0),    RGB(255, 128, 64),
};

// The option buttons' index (0..3), or -1 for another id.
int OptionIndex(int buttonId) {
    for (int i = 0; i < 4; ++i) {
        if (kOptionButtons[i] == buttonId) {
            return i;
        }
    }
    return -1;
}

// Two columns of buttons: 1000 at (0, 0), 1001 at (30, 0), 1002 at (0, 30) ...
RECT ToolButtonPlace(int index) {
    const int x = (index % 2) * kToolButtonSize.cx;
    const int y = (index / 2) * kToolButtonSize.cy;
    return RECT{x, y, x + kToolButtonSize.cx, y + kToolButtonSize.cy};
}

} // namespace

CToolPalette::CToolPalette(CEditPanel& panel, PaletteHost& host, DialogHost& dialogs)
    : panel_(panel), host_(host), dialogs_(dialogs), swatchColours_(kInitialSwatches) {}

int CToolPalette::OnCreate() {
    for (const ToolRow& tool : ToolRows()) {
        const int button = tool.ButtonId();
        host_.PlaceButton(button, ToolButtonPlace(static_cast<int>(tool.kind)));
        host_.SetButtonFaces(button, tool.faces.up, tool.faces.pressed);
        host_.ShowButton(button, true);
        host_.EnableButton(button, true);
        host_.SetToolTip(button, tool.toolTip);
    }
    for (const int button : kOptionButtons) {
        host_.PlaceButton(button, kOptionHome);
    }
    OnToolButton(RowOf(ToolKind::Rectangle).ButtonId());
    OnOptionButton(kOptionButtons[0]);
    OnToolButton(RowOf(ToolKind::Pencil).ButtonId());
    OnOptionButton(kOptionButtons[0]);
    return 0;
}

void CToolPalette::MarkTool(ToolKind tool) {
    for (const ToolRow& row : ToolRows()) {
        host_.EnableButton(row.ButtonId(), row.kind != tool);
    }
}

void CToolPalette::OnToolButton(int buttonId) {
    const std::optional<ToolKind> tool = ToolOfButton(buttonId);
    if (!tool) {
        return;
    }
    if (RowOf(*tool).oneShot) {
        // A one-shot tool's option (the magnifier's zoom) goes back to the tool before it.
        previousTool_ = panel_.Options().currentTool;
    }
    panel_.SetTool(*tool);
    MarkTool(*tool);
    ShowLayout(RowOf(*tool).options);
    SyncOptionButtons();
}

void CToolPalette::OnOptionButton(int buttonId) {
    const int option = OptionIndex(buttonId);
    if (option < 0) {
        return;
    }
    const ToolRow& tool = RowOf(panel_.Options().currentTool);
    if (const std::optional<int> value = OptionValue(tool.options, option)) {
        ApplyOption(panel_, tool.options, *value);
        if (tool.oneShot) {
            ShowLayout(previousLayout_);
            panel_.SetTool(previousTool_);
            MarkTool(previousTool_);
        }
    }
    SyncOptionButtons();
}

void CToolPalette::ShowLayout(OptionSet layout) {
    for (const int button : kOptionButtons) {
        host_.ShowButton(button, true);
    }
    previousLayout_ = currentLayout_;
    currentLayout_ = layout;
    const OptionLayout& places = OptionLayoutOf(layout);
    for (int i = 0; i < 4; ++i) {
        const OptionPlace& place = places[static_cast<std::size_t>(i)];
        if (!place.shown) {
            host_.ShowButton(kOptionButtons[i], false);
            continue;
        }
        host_.PlaceButton(kOptionButtons[i], place.place);
        host_.SetButtonFaces(kOptionButtons[i], place.upFace, place.pressedFace);
    }
    host_.InvalidatePalette();
}

void CToolPalette::SyncOptionButtons() {
    const OptionSet layout = RowOf(panel_.Options().currentTool).options;
    const std::optional<int> current = CurrentOptionValue(panel_, layout);
    if (!current) {
        return;
    }
    for (int i = 0; i < 4; ++i) {
        if (OptionValue(layout, i) == current) {
            for (int j = 0; j < 4; ++j) {
                host_.EnableButton(kOptionButtons[j], j != i);
            }
            return;
        }
    }
}

RECT CToolPalette::SwatchRect(int index) {
    const int column = index / 8;
    const int row = index % 8;
    const int left = 17 + 16 * column;
    const int top = 240 + 16 * row;
    return RECT{left, top, left + 13, top + 13};
}

void CToolPalette::PickSwatch(Point point, bool secondary) {
    for (int i = 0; i < kSwatchCount; ++i) {
        if (Contains(SwatchRect(i), point.x, point.y)) {
            // A swatch gives a colour without changing which button strokes draw with.
            panel_.PickColour(secondary, swatchColours_[static_cast<std::size_t>(i)]);
            return;
        }
    }
}

void CToolPalette::OnLButtonDown(Point point) {
    PickSwatch(point, false);
}

void CToolPalette::OnRButtonDown(Point point) {
    PickSwatch(point, true);
}

void CToolPalette::OnLButtonDblClk(Point point) {
    for (int i = 0; i < kSwatchCount; ++i) {
        if (Contains(SwatchRect(i), point.x, point.y)) {
            // Only the swatches change: the colour chosen in the dialog is not used here.
            if (dialogs_.ChooseColour(kBlack, swatchColours_)) {
                host_.InvalidatePalette();
            }
            return;
        }
    }
}

void CToolPalette::Paint(DrawingContext& client) const {
    for (int i = 0; i < kSwatchCount; ++i) {
        const RECT r = SwatchRect(i);
        // A black line and a grey one above and left of the swatch; the fill covers their
        // right and bottom parts.
        client.FrameRect(RECT{r.left - 1, r.top - 1, r.right - 1, r.bottom - 1}, kBlack);
        client.FrameRect(RECT{r.left - 2, r.top - 2, r.right, r.bottom}, kSwatchShadow);
        client.FillRect(r, swatchColours_[static_cast<std::size_t>(i)]);
    }
}

} // namespace pattik
