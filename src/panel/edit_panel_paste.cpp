// Select all and the clipboard: what is copied, cut and pasted as a floating selection, and
// the colours the picture will hold once a pasted selection is placed.
#include "panel/edit_panel.h"
#include "raster/pixel_blocks.h"

#include <algorithm>

namespace pattik {

bool CEditPanel::SelectAll() {
    if (!CanEditPictureInView()) {
        return false;
    }
    TakeUndoSnapshotWithSelection();
    if (selection_.hasFloatingSelection) {
        CommitFloatingSelection();
        DropFloatingSelection();
    }
    const Size size = CurrentImageSize();
    LiftSelection(Point{0, 0}, Point{size.cx, size.cy});
    // As the selection tool's release cuts a marquee, the whole picture is cut: it floats
    // now, and what it leaves behind is empty.
    MutableImage(view_.viewMode).Fill(kTransparentMagenta);
    InvalidateViews();
    return true;
}

DeviceBitmap CEditPanel::CopyForClipboard() const {
    if (!CanEditPictureInView()) {
        return DeviceBitmap{};
    }
    if (!selection_.hasFloatingSelection) {
        return CurrentImage();
    }
    const RECT block = FloatingBlock();
    DeviceBitmap copy(static_cast<int>(Width(block)), static_cast<int>(Height(block)));
    CopyBlock(selectionBitmap, block, copy, Point{});
    return copy;
}

bool CEditPanel::CutToClipboard(DeviceBitmap& out) {
    DeviceBitmap copy = CopyForClipboard();
    if (copy.IsEmpty()) {
        return false;
    }
    if (selection_.hasFloatingSelection) {
        TakeUndoSnapshotWithSelection();
        DropFloatingSelection();
    } else {
        DeviceBitmap& picture = MutableImage(view_.viewMode);
        if (CountInBlock(picture, picture.Bounds(), kTransparentMagenta) ==
            picture.Width() * picture.Height()) {
            return false; // already empty: nothing is cut
        }
        TakeUndoSnapshotWithSelection();
        picture.Fill(kTransparentMagenta);
    }
    out = std::move(copy);
    InvalidateViews();
    return true;
}

bool CEditPanel::PasteFloating(const DeviceBitmap& picture) {
    if (picture.IsEmpty() || !CanEditPictureInView()) {
        return false;
    }
    TakeUndoSnapshotWithSelection();
    if (selection_.hasFloatingSelection) {
        CommitFloatingSelection();
        DropFloatingSelection();
    }
    // Pasted where the user is looking: the pixel at the canvas's top-left, so a scrolled
    // and zoomed Wear view shows the pasted picture at once.
    const RECT shown = Mapping().SourceArea();
    const Size size = CurrentImageSize();
    const int width = std::min({picture.Width(), size.cx, selectionBitmap.Width()});
    const int height = std::min({picture.Height(), size.cy, selectionBitmap.Height()});
    selectionBitmap.Fill(kTransparentMagenta);
    CopyBlock(picture, RECT{0, 0, width, height}, selectionBitmap, Point{});
    selection_.selectionRect = RECT{shown.left, shown.top, shown.left + width, shown.top + height};
    selection_.hasFloatingSelection = true;
    InvalidateViews();
    return true;
}

ColourCount CEditPanel::ViewColoursOncePlaced() const {
    switch (view_.viewMode) {
    case ViewMode::Dp: {
        DeviceBitmap file(kDpImageSize.cx, kDpImageSize.cy);
        file.Fill(kTransparentMagenta);
        DrawingContext fileContext(&file);
        DrawDpPictureOf(fileContext, wearImage, PictureAsAStepFindsIt());
        return CountColours(file);
    }
    case ViewMode::Hair: {
        // Nothing floats over the hair picture: it is made from the wear picture.
        DeviceBitmap hair(kHairImageSize.cx, kHairImageSize.cy);
        ShrinkHairSquare(hair);
        return CountColours(hair);
    }
    case ViewMode::Wear:
        break;
    }
    return CountColours(PictureAsAStepFindsIt());
}

} // namespace pattik
