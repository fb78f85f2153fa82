// Replacing one colour by another, in the picture in view or in every picture of the item.
#include "panel/edit_panel.h"
#include "raster/pixel_blocks.h"

namespace pattik {

int CEditPanel::ReplaceColour(COLORREF from, COLORREF to, bool allPictures) {
    if (from == to || !IsColour(from) || !IsColour(to) || !CanEditPictureInView()) {
        return 0;
    }
    int changed = RecolourPictureInView(from, to) ? 1 : 0;
    if (allPictures) {
        // The hair picture is made from the wear picture, and the DP picture of an item whose
        // DP file shows the wear picture is not what gets saved; neither is the user's to
        // recolour unless it is in view.
        const bool ownDp = !DpFileSourceFor(item_.category, item_.gender).fromWear;
        for (const ViewMode mode : {ViewMode::Wear, ViewMode::Dp}) {
            if (mode == view_.viewMode || (mode == ViewMode::Dp && !ownDp)) {
                continue;
            }
            DeviceBitmap& picture = MutableImage(mode);
            if (CountInBlock(picture, picture.Bounds(), from) == 0) {
                continue;
            }
            // A picture out of view has no floating selection and no undo copy: its history
            // alone keeps what it was.
            history_.Checkpoint(mode, picture);
            ReplaceInBlock(picture, picture.Bounds(), from, to);
            ++changed;
        }
    }
    if (changed > 0) {
        InvalidateViews();
    }
    return changed;
}

bool CEditPanel::RecolourPictureInView(COLORREF from, COLORREF to) {
    DeviceBitmap& picture = MutableImage(view_.viewMode);
    const bool floating = selection_.hasFloatingSelection;
    // The selection keeps floating: recoloured in its bitmap, it can still be moved.
    if (CountInBlock(picture, picture.Bounds(), from) == 0 &&
        (!floating || CountInBlock(selectionBitmap, FloatingBlock(), from) == 0)) {
        return false;
    }
    TakeUndoSnapshotWithSelection();
    ReplaceInBlock(picture, picture.Bounds(), from, to);
    if (floating) {
        ReplaceInBlock(selectionBitmap, FloatingBlock(), from, to);
    }
    return true;
}

} // namespace pattik
