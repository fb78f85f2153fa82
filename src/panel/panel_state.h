#pragma once

#include "catalogue/catalogue.h"
#include "panel/panel_types.h"
#include "raster/colour.h"
#include "raster/geometry.h"

namespace pattik {

// The editing panel's state, grouped as the program thinks of it. Everyone reads these
// through the panel's const accessors; only the panel's named operations write them, and
// those keep the rules that tie the fields together.

// The current tool and the options the palette sets for it.
struct ToolOptions {
    ToolKind currentTool = ToolKind::None;
    int penStyle = 0; // always a solid pen
    int lineWidth = 1;
    int fillStyle = kFilledWithOtherColour;
    int spraySize = 5;
    int eraserSize = 2;
    bool opaqueSelection = false;
};

// Colour 1 is drawn with the left button, colour 2 with the right one; the last button
// pressed on the panel says which one strokes and the RGB mixer use.
struct DrawingColours {
    COLORREF primaryColour = kBlack;
    COLORREF secondaryColour = kWhite;
    bool useSecondary = false;

    COLORREF DrawingColour() const { return useSecondary ? secondaryColour : primaryColour; }
    COLORREF OtherColour() const { return useSecondary ? primaryColour : secondaryColour; }
};

// Where the floating selection lies in the current picture. The rectangle is normalised
// (left <= right, top <= bottom) whenever it is set.
struct FloatingSelection {
    RECT selectionRect{};
    bool hasFloatingSelection = false;
};

// Which picture the canvas shows, and how the Wear view is zoomed and scrolled. The DP and
// hair canvases always show their whole picture at twice its size, from (0, 0); the Wear
// view's offset waits for the user to come back.
struct ViewState {
    ViewMode viewMode = ViewMode::Wear;
    float zoom = 2.0f;
    Point scrollOffset;
};

// The item being drawn; nothing can be drawn until both are chosen.
struct ItemChoice {
    Gender gender = Gender::None;
    ItemCategory category = ItemCategory::None;
    bool hairEnabled = false;

    bool IsChosen() const { return gender != Gender::None && category != ItemCategory::None; }
};

// Which view mode the one undo copy belongs to; -1 before the first snapshot. An operation
// of the Edit menu also keeps the floating selection as it was, which an undo swaps back
// with the picture.
struct UndoState {
    int undoViewMode = -1;
    bool withSelection = false;
};

} // namespace pattik
