#pragma once

#include "panel/dialog_host.h"
#include "panel/edit_panel.h"
#include "panel/palette_host.h"
#include "raster/drawing_context.h"
#include "tools/palette_layouts.h"

namespace pattik {

// The tool palette's logic: ten tool buttons, up to four option buttons whose meaning and
// place depend on the tool, and 16 colour swatches. Every choice goes straight into the
// editing panel; the palette keeps only its swatches and what it needs to undo a
// magnifier pick. The chosen tool and option show by being disabled (their disabled face
// is the pressed one).
class CToolPalette {
  public:
    static constexpr int kSwatchCount = 16;
    // The bar's size in its own client pixels.
    static constexpr Size kSize{62, 392};

    CToolPalette(CEditPanel& panel, PaletteHost& host, DialogHost& dialogs);
    CToolPalette(const CToolPalette&) = delete;
    CToolPalette& operator=(const CToolPalette&) = delete;

    // Places and faces the buttons, then chooses as a user would: the rectangle with its
    // first option, then the pencil with its first, so the panel starts with outline-only
    // shapes, the pencil and a one-pixel line.
    int OnCreate();

    // A tool button (1000..1009) or an option button (1022, 1026, 1027, 1028).
    void OnToolButton(int buttonId);
    void OnOptionButton(int buttonId);

    // The swatches, in palette client pixels: a click gives colour 1 (left) or 2 (right) a
    // swatch's colour; a double click edits the swatches in the colour dialog.
    void OnLButtonDown(Point point);
    void OnRButtonDown(Point point);
    void OnLButtonDblClk(Point point);
    // Frames and fills the 16 swatches.
    void Paint(DrawingContext& client) const;

    // The swatches are also the colour dialogs' custom colours, edited in place on OK.
    CustomColours& SwatchColours() { return swatchColours_; }
    const CustomColours& SwatchColours() const { return swatchColours_; }
    // Shows the panel's current option as chosen, after it changed elsewhere (a zoom by the
    // wheel).
    void ShowCurrentOptions() { SyncOptionButtons(); }
    // Repaints the palette: its swatches changed.
    void InvalidateSwatches() { host_.InvalidatePalette(); }
    // The rectangle a swatch fills.
    static RECT SwatchRect(int index);

    ToolKind PreviousTool() const { return previousTool_; }
    OptionSet CurrentLayout() const { return currentLayout_; }

  private:
    // Disables the tool's button and enables the nine others.
    void MarkTool(ToolKind tool);
    void ShowLayout(OptionSet layout);
    void SyncOptionButtons();
    void PickSwatch(Point point, bool secondary);

    CEditPanel& panel_;
    PaletteHost& host_;
    DialogHost& dialogs_;
    ToolKind previousTool_ = ToolKind::None;
    OptionSet previousLayout_ = OptionSet::LineWidths;
    OptionSet currentLayout_ = OptionSet::LineWidths;
    CustomColours swatchColours_;
};

} // namespace pattik
