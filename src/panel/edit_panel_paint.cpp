// The paint routine: strip, canvas frame, colour wells, and one composition of the current
// view that is copied twice, 1:1 into the preview and enlarged into the canvas.
#include "image/colour_keys.h"
#include "panel/edit_panel.h"
#include "panel/mirror_axis.h"
#include "panel/panel_geometry.h"
#include "panel/pixel_grid.h"

namespace pattik {
namespace {

constexpr Size kWearSize = kWearImageSize;

void DrawBackground(const CxImage& background, DrawingContext& composition) {
    background.Draw(&composition, 0, 0, kWearSize.cx, kWearSize.cy);
}

} // namespace

void CEditPanel::DrawDpPicture(DrawingContext& target) const {
    DrawDpPictureOf(target, wearImage, dpImage);
}

void CEditPanel::ShrinkHairSquare(DeviceBitmap& target) const {
    // Each hair pixel is one pixel of the square, drawn or empty. Combining neighbours (as a
    // fresh context's BLACKONWHITE does) would AND colours into ones nobody drew, the empty
    // magenta among them.
    DrawingContext hair(&target);
    hair.SetStretchBltMode(StretchMode::ColorOnColor);
    // A drawing context writes; this one reads a copy, so the wear picture stays the user's.
    DeviceBitmap wearCopy = wearImage;
    const DrawingContext wear(&wearCopy);
    const Point square = HairSquareOrigin(item_.gender);
    StretchBlt(hair, 0, 0, kHairImageSize.cx, kHairImageSize.cy, wear, square.x, square.y,
               kHairSquareSide, kHairSquareSide);
}

void CEditPanel::Paint(DrawingContext& client) {
    // Until an item is chosen the panel shows nothing but its controls.
    if (!item_.IsChosen()) {
        return;
    }
    // Without its scratch bitmaps the panel was never created: nothing to compose into.
    if (compositionBitmap.IsEmpty() || stripBitmap.IsEmpty()) {
        return;
    }
    const DrawingContext strip(&stripBitmap);
    const RECT& stripArea = PanelGeometry::kColourStrip;
    BitBlt(client, stripArea.left, stripArea.top, static_cast<int>(Width(stripArea)),
           static_cast<int>(Height(stripArea)), strip, 0, 0);
    client.FrameRect(PanelGeometry::CanvasFrame(CurrentImageSize()), kBlack);
    PaintWells(client);

    // The overlay is composed as it stands now wherever this paint reaches; the next change
    // repaints where it was.
    overlayShown_ = OverlayArea();
    const RECT area = PictureAreaUnder(client.GetClipBox());
    if (IsEmpty(area)) {
        return;
    }
    DrawingContext composition(&compositionBitmap);
    composition.IntersectClipRect(area);
    switch (view_.viewMode) {
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
    if (overlay_ != nullptr) {
        overlay_->DrawOverlay(*this, composition);
    }
    CopyCompositionToScreen(client, composition);
}

RECT CEditPanel::PictureAreaUnder(const RECT& client) const {
    const Size size = CurrentImageSize();
    const RECT preview = Intersect(client, PanelGeometry::Preview(size));
    const Point origin = PanelGeometry::kPreviewOrigin;
    const RECT previewArea = IsEmpty(preview)
                                 ? RECT{}
                                 : RECT{preview.left - origin.x, preview.top - origin.y,
                                        preview.right - origin.x, preview.bottom - origin.y};
    return Union(previewArea, Mapping().CanvasToPictureArea(client));
}

RECT CEditPanel::OverlayArea() const {
    return overlay_ != nullptr ? overlay_->OverlayArea(*this) : RECT{};
}

bool CEditPanel::CopyWearUnderlay(DrawingContext& composition, bool mannequinBehind) {
    // Without a background the composition would keep what the last paint left there, which
    // no kept copy can stand for.
    if (!pictures_.backgroundPicture.IsValid()) {
        return false;
    }
    WearUnderlay& underlay = wearUnderlay_;
    if (underlay.pixels.IsEmpty() || underlay.artworkVersion != artworkVersion_ ||
        underlay.mannequinBehind != mannequinBehind) {
        underlay.pixels = DeviceBitmap(kWearSize.cx, kWearSize.cy);
        DrawingContext layers(&underlay.pixels);
        DrawBackground(pictures_.backgroundPicture, layers);
        if (mannequinBehind) {
            pictures_.mannequinPicture.Draw(&layers, 0, 0);
        }
        underlay.artworkVersion = artworkVersion_;
        underlay.mannequinBehind = mannequinBehind;
    }
    const DrawingContext layers(&underlay.pixels);
    BitBlt(composition, 0, 0, kWearSize.cx, kWearSize.cy, layers, 0, 0);
    return true;
}

void CEditPanel::ComposeWear(DrawingContext& composition) {
    const bool showAvatar = controls_.showAvatar;
    const bool mannequinBehind = showAvatar && !controls_.avatarInFront;
    if (!CopyWearUnderlay(composition, mannequinBehind)) {
        DrawBackground(pictures_.backgroundPicture, composition);
        if (mannequinBehind) {
            pictures_.mannequinPicture.Draw(&composition, 0, 0);
        }
    }
    DrawWithoutMagenta(wearImage, composition, 0, 0);
    if (showAvatar && controls_.avatarInFront) {
        pictures_.mannequinPicture.Draw(&composition, 0, 0);
    }
}

void CEditPanel::ComposeDp(DrawingContext& composition) {
    DrawBackground(pictures_.backgroundPicture, composition);
    // Drawn as the DP file is, so the user sees here exactly what will be saved.
    DrawDpPicture(composition);
}

void CEditPanel::ComposeHair(DrawingContext& composition) {
    DrawBackground(pictures_.backgroundPicture, composition);
    pictures_.hairGuidePicture.Draw(&composition, 0, 0);
    // The hair picture is always the shrunk square of the wear picture, rebuilt on every
    // paint, so what the Hair view shows is what the hair file will hold.
    RebuildHairImage();
    DrawWithoutMagenta(hairImage, composition, 0, 0);
}

void CEditPanel::PaintWells(DrawingContext& client) {
    // Colour 1 goes last so that it overlaps colour 2, as the front of the pair.
    client.FillRect(PanelGeometry::kSecondaryWell, colours_.secondaryColour);
    client.FrameRect(PanelGeometry::kSecondaryWellFrame, kBlack);
    client.FillRect(PanelGeometry::kPrimaryWell, colours_.primaryColour);
    client.FrameRect(PanelGeometry::kPrimaryWellFrame, kBlack);
}

void CEditPanel::CopyCompositionToScreen(DrawingContext& client, DrawingContext& composition) {
    const Size size = CurrentImageSize();
    const Point preview = PanelGeometry::kPreviewOrigin;
    BitBlt(client, preview.x, preview.y, size.cx, size.cy, composition, 0, 0);

    // At zoom z one picture pixel covers about z canvas pixels; the source size is
    // truncated, so at zoom 6 the 41 rows shown stretch over all 250 canvas rows.
    const CanvasMapping mapping = Mapping();
    const RECT canvas = mapping.Canvas();
    const RECT source = mapping.SourceArea();
    StretchBlt(client, canvas.left, canvas.top, static_cast<int>(Width(canvas)),
               static_cast<int>(Height(canvas)), composition, source.left, source.top,
               static_cast<int>(Width(source)), static_cast<int>(Height(source)));
    if (view_.viewMode == ViewMode::Wear && PixelGridShown(view_.zoom)) {
        DrawPixelGrid(client, mapping);
    }
    // On the canvas only: the preview shows the picture as it will be saved.
    if (mirrorDrawing_) {
        DrawMirrorAxis(client, mapping, size.cx);
    }
}

} // namespace pattik
