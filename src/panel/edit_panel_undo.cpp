// One step of undo for the whole panel, kept as a swap: undoing twice redoes. The history
// (edit_panel_history.cpp) is fed from here too.
#include "panel/edit_panel.h"

#include <utility>

namespace pattik {

void CEditPanel::TakeUndoSnapshot() {
    // Taken before every change, this also puts the picture as it stands into its history;
    // what the change makes is recorded by the next snapshot or step.
    history_.Checkpoint(view_.viewMode, CurrentImage());
    undo_.withSelection = false;
    CopyPictureIntoUndo();
}

void CEditPanel::TakeUndoSnapshotWithSelection() {
    // The Edit menu's operations change what the user sees, floating pixels included, so the
    // state before one is the picture with them placed, as a step would record it.
    history_.Checkpoint(view_.viewMode, PictureAsAStepFindsIt());
    undo_.withSelection = false;
    if (!CopyPictureIntoUndo()) {
        return;
    }
    undoSelectionBitmap = selectionBitmap;
    undoSelection_ = selection_;
    undo_.withSelection = true;
}

bool CEditPanel::CopyPictureIntoUndo() {
    // The copy's view mode is noted only once the copy is made: an undo must never swap in
    // a picture that was not taken.
    if (undoBitmap.IsEmpty() || CurrentImage().IsEmpty()) {
        return false;
    }
    const Size size = CurrentImageSize();
    DrawingContext copy(&undoBitmap);
    const DrawingContext image(&MutableImage(view_.viewMode));
    BitBlt(copy, 0, 0, size.cx, size.cy, image, 0, 0);
    undo_.undoViewMode = static_cast<int>(view_.viewMode);
    return true;
}

bool CEditPanel::Undo() {
    if (undo_.undoViewMode != static_cast<int>(view_.viewMode)) {
        return false; // the copy belongs to another picture
    }
    // The picture being swapped away is recorded first, so stepping back after Ctrl+Z can
    // still reach it.
    history_.Checkpoint(view_.viewMode,
                        undo_.withSelection ? PictureAsAStepFindsIt() : CurrentImage());
    // Only the picture's own size is swapped, so the undo copy of a smaller picture never
    // touches anything outside it.
    const Size size = CurrentImageSize();
    DeviceBitmap swap(size.cx, size.cy);
    DrawingContext swapContext(&swap);
    DrawingContext image(&MutableImage(view_.viewMode));
    DrawingContext copy(&undoBitmap);
    BitBlt(swapContext, 0, 0, size.cx, size.cy, image, 0, 0);
    BitBlt(image, 0, 0, size.cx, size.cy, copy, 0, 0);
    BitBlt(copy, 0, 0, size.cx, size.cy, swapContext, 0, 0);
    if (undo_.withSelection) {
        // The selection bitmap and its copy are both the wear picture's size.
        std::swap(selectionBitmap, undoSelectionBitmap);
        std::swap(selection_, undoSelection_);
    }
    viewHost_.InvalidateAll(true);
    return true;
}

} // namespace pattik
