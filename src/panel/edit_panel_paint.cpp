// The paint routine: strip, canvas frame, colour wells, and one composition of the current
// view that is copied twice, 1:1 into the preview and enlarged into the canvas.
#include "panel/edit_panel.h"
#include "panel/panel_geometry.h"

namespace pattik {
namespace {

constexpr Size kWearSize = kWearImageSize;

void DrawBackground(const CxImage& background, DrawingContext& composition) {
    background.Draw(&composition, 0, 0, kWearSize.cx, kWearSize.cy);
}

// The outline and inside of the eraser square are inverted in white, so it shows on any
// colour and vanishes when drawn twice.
constexpr Pen kEraserPen{PenStyle::Solid, 1, kWhite};
constexpr Brush kEraserBrush{BrushStyle::Solid, kWhite};
// The marquee: black dots leave pixels as they are under XOR, the white gaps invert them.
constexpr Pen kMarqueePen{PenStyle::Dot, 1, kBlack};
constexpr Brush kHollowBrush{BrushStyle::Null, kWhite};

// The floating pixels, clipped to where the selection lies, then the dotted marquee.
void DrawSelection(DrawingContext& composition, const DeviceBitmap& selection,
                   const RECT& selectionRect, const RECT& marquee) {
    DrawWithoutMagenta(selection, composition, selectionRect.left, selectionRect.top, -1, -1,
                       &selectionRect);
    composition.SelectPen(kMarqueePen);
    composition.SelectBrush(kHollowBrush);
    composition.SetBkMode(BackgroundMode::Opaque);
    composition.SetBkColor(kWhite);
    composition.SetROP2(RasterOp::XorPen);
    composition.Rectangle(marquee.left, marquee.top, marquee.right, marquee.bottom);
    composition.SetROP2(RasterOp::CopyPen);
}

} // namespace

void CEditPanel::Paint(DrawingContext& client) {
    // Until an item is chosen the panel shows nothing but its controls.
    if (gender == Gender::None || category == ItemCategory::None) {
        return;
    }
    // Without its scratch bitmaps the panel was never created: nothing to compose into.
    if (compositionBitmap.IsEmpty() || stripBitmap.IsEmpty() || currentImage == nullptr) {
        return;
    }
    DrawingContext composition(&compositionBitmap);
    const DrawingContext strip(&stripBitmap);

    const RECT& stripArea = PanelGeometry::kColourStrip;
    BitBlt(client, stripArea.left, stripArea.top, static_cast<int>(Width(stripArea)),
           static_cast<int>(Height(stripArea)), strip, 0, 0);
    client.FrameRect(PanelGeometry::CanvasFrame(CurrentImageSize()), kBlack);

    switch (viewMode) {
    case ViewMode::Wear:
        ComposeWear(composition);
        break;
    case ViewMode::Dp:
        ComposeDp(composition);
        break;
    case ViewMode::Hair:
        ComposeHair(composition);
        break;
    }
    PaintWells(client);
    // The eraser shows its square even while no button is held.
    if (isDragging || currentTool == ToolKind::Eraser || hasFloatingSelection) {
        PaintOverlay(composition);
    }
    CopyCompositionToScreen(client, composition);
}

void CEditPanel::ComposeWear(DrawingContext& composition) {
    DrawBackground(backgroundPicture, composition);
    if (showAvatar && !avatarInFront) {
        mannequinPicture.Draw(&composition, 0, 0);
    }
    DrawWithoutMagenta(wearImage, composition, 0, 0);
    if (showAvatar && avatarInFront) {
        mannequinPicture.Draw(&composition, 0, 0);
    }
}

void CEditPanel::ComposeDp(DrawingContext& composition) {
    DrawBackground(backgroundPicture, composition);
    // Drawn as the DP file is, so the user sees here exactly what will be saved.
    DrawDpPicture(composition);
}

void CEditPanel::ComposeHair(DrawingContext& composition) {
    DrawBackground(backgroundPicture, composition);
    hairGuidePicture.Draw(&composition, 0, 0);
    // The hair picture is always the shrunk square of the wear picture, rebuilt on every
    // paint, so what the Hair view shows is what the hair file will hold.
    RebuildHairImage();
    DrawWithoutMagenta(hairImage, composition, 0, 0);
}

void CEditPanel::PaintWells(DrawingContext& client) {
    // Colour 1 goes last so that it overlaps colour 2, as the front of the pair.
    client.FillRect(PanelGeometry::kSecondaryWell, secondaryColour);
    client.FrameRect(PanelGeometry::kSecondaryWellFrame, kBlack);
    client.FillRect(PanelGeometry::kPrimaryWell, primaryColour);
    client.FrameRect(PanelGeometry::kPrimaryWellFrame, kBlack);
}

void CEditPanel::PaintOverlay(DrawingContext& composition) {
    const bool eraser = currentTool == ToolKind::Eraser;
    const Pen pen =
        eraser ? kEraserPen : Pen{static_cast<PenStyle>(penStyle), lineWidth, DrawingColour()};
    // The rubber band is filled as the released shape will be.
    Brush brush{BrushStyle::Solid, OtherColour()};
    if (eraser) {
        brush = kEraserBrush;
    } else if (fillStyle == kFilledWithDrawingColour) {
        brush = Brush{BrushStyle::Solid, DrawingColour()};
    } else if (fillStyle == kOutlineOnly) {
        brush.style = BrushStyle::Null;
    }
    const Pen previousPen = composition.SelectPen(pen);
    const Brush previousBrush = composition.SelectBrush(brush);

    const Point from = anchorPoint;
    const Point to = currentPoint;
    switch (currentTool) {
    case ToolKind::Rectangle:
        composition.Rectangle(from.x, from.y, to.x, to.y);
        break;
    case ToolKind::Ellipse:
        composition.Ellipse(from.x, from.y, to.x, to.y);
        break;
    case ToolKind::Pencil:
        // A thin pencil shows the very pixel a click would set, even while hovering.
        if (lineWidth == 1) {
            composition.SetPixel(from.x, from.y, DrawingColour());
            break;
        }
        [[fallthrough]];
    case ToolKind::Line:
        composition.MoveTo(from.x, from.y);
        composition.LineTo(to.x, to.y);
        break;
    case ToolKind::Eraser: {
        const int half = eraserSize / 2;
        composition.SetROP2(RasterOp::XorPen);
        composition.Rectangle(from.x - half, from.y - half, from.x + half, from.y + half);
        composition.SetROP2(RasterOp::CopyPen);
        break;
    }
    case ToolKind::Selection: {
        // A floating selection is framed where it lies; a selection being dragged out is
        // framed between the drag points.
        const RECT marquee =
            hasFloatingSelection ? selectionRect : RECT{from.x, from.y, to.x, to.y};
        DrawSelection(composition, selectionBitmap, selectionRect, marquee);
        break;
    }
    case ToolKind::FloodFill:
    case ToolKind::ColourPicker:
    case ToolKind::Airbrush:
    case ToolKind::Magnifier:
    case ToolKind::None:
        break;
    }
    composition.SelectPen(previousPen);
    composition.SelectBrush(previousBrush);
}

void CEditPanel::CopyCompositionToScreen(DrawingContext& client, DrawingContext& composition) {
    const Size size = CurrentImageSize();
    const Point preview = PanelGeometry::kPreviewOrigin;
    BitBlt(client, preview.x, preview.y, size.cx, size.cy, composition, 0, 0);

    const RECT canvas = PanelGeometry::Canvas(size);
    const int canvasWidth = static_cast<int>(Width(canvas));
    const int canvasHeight = static_cast<int>(Height(canvas));
    // Dp and Hair canvases always show the whole picture at twice its size: only Wear zooms.
    int sourceWidth = size.cx;
    int sourceHeight = size.cy;
    if (viewMode == ViewMode::Wear) {
        // At zoom z one picture pixel covers about z canvas pixels; the source size is
        // truncated, so at zoom 6 the 41 rows shown stretch over all 250 canvas rows.
        sourceWidth = static_cast<int>(static_cast<double>(canvasWidth) / zoom);
        sourceHeight = static_cast<int>(static_cast<double>(canvasHeight) / zoom);
    }
    StretchBlt(client, canvas.left, canvas.top, canvasWidth, canvasHeight, composition,
               scrollOffset.x, scrollOffset.y, sourceWidth, sourceHeight);
}

} // namespace pattik
