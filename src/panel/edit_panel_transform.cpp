// The Edit menu's flips and turns, of the floating selection or of the whole picture in view.
#include "panel/edit_panel.h"
#include "raster/pixel_blocks.h"

#include <algorithm>
#include <cstdint>

namespace pattik {
namespace {

// Half of v rounded down, negative values included: the turned rectangle's edge when its
// centre falls between two pixels.
std::int64_t FloorHalf(std::int64_t v) {
    return v >= 0 ? v / 2 : -((1 - v) / 2);
}

void TurnHalf(DeviceBitmap& bitmap, const RECT& block) {
    FlipBlockHorizontally(bitmap, block);
    FlipBlockVertically(bitmap, block);
}

} // namespace

bool CEditPanel::CanEditPictureInView() const {
    // The hair picture is made from the wear picture at every paint and save: whatever were
    // changed in it would vanish.
    return item_.IsChosen() && view_.viewMode != ViewMode::Hair && !CurrentImage().IsEmpty() &&
           !selectionBitmap.IsEmpty();
}

RECT CEditPanel::FloatingBlock() const {
    const RECT& rect = selection_.selectionRect;
    return RECT{0, 0,
                static_cast<int>(std::min<std::int64_t>(Width(rect), selectionBitmap.Width())),
                static_cast<int>(std::min<std::int64_t>(Height(rect), selectionBitmap.Height()))};
}

bool CEditPanel::ChangeFloatingOrPicture(void (*change)(DeviceBitmap& bitmap, const RECT& block)) {
    if (!CanEditPictureInView()) {
        return false;
    }
    const bool floating = selection_.hasFloatingSelection;
    DeviceBitmap& target = floating ? selectionBitmap : MutableImage(view_.viewMode);
    DeviceBitmap changed = target;
    change(changed, floating ? FloatingBlock() : changed.Bounds());
    if (SamePixels(changed, target)) {
        return false; // a symmetric picture: nothing to record
    }
    TakeUndoSnapshotWithSelection();
    target = std::move(changed);
    InvalidateViews();
    return true;
}

bool CEditPanel::FlipHorizontally() {
    return ChangeFloatingOrPicture(FlipBlockHorizontally);
}

bool CEditPanel::FlipVertically() {
    return ChangeFloatingOrPicture(FlipBlockVertically);
}

bool CEditPanel::RotateHalfTurn() {
    return ChangeFloatingOrPicture(TurnHalf);
}

bool CEditPanel::RotateQuarterTurn() {
    if (!CanEditPictureInView()) {
        return false;
    }
    const Size picture = CurrentImageSize();
    if (!selection_.hasFloatingSelection) {
        if (picture.cx != picture.cy) {
            return false; // turned, it would no longer be a picture of its size
        }
        return ChangeFloatingOrPicture([](DeviceBitmap& bitmap, const RECT& block) {
            bitmap = TurnedQuarterClockwise(bitmap, block);
        });
    }
    const RECT block = FloatingBlock();
    const std::int64_t width = Width(block);
    const std::int64_t height = Height(block);
    if (IsEmpty(block) || height > picture.cx || width > picture.cy) {
        return false;
    }
    // Twice the centre is 2 * left + width; the turned rectangle, height wide, keeps it.
    const RECT& rect = selection_.selectionRect;
    const std::int64_t left = FloorHalf(2 * std::int64_t{rect.left} + width - height);
    const std::int64_t top = FloorHalf(2 * std::int64_t{rect.top} + height - width);
    const auto newLeft = static_cast<int>(std::clamp<std::int64_t>(left, 0, picture.cx - height));
    const auto newTop = static_cast<int>(std::clamp<std::int64_t>(top, 0, picture.cy - width));
    const RECT turnedRect{newLeft, newTop, newLeft + static_cast<int>(height),
                          newTop + static_cast<int>(width)};

    const DeviceBitmap turned = TurnedQuarterClockwise(selectionBitmap, block);
    DeviceBitmap floating = selectionBitmap;
    floating.Fill(kTransparentMagenta);
    CopyBlock(turned, turned.Bounds(), floating, Point{});
    if (turnedRect == rect && SamePixels(floating, selectionBitmap)) {
        return false;
    }
    TakeUndoSnapshotWithSelection();
    selectionBitmap = std::move(floating);
    selection_.selectionRect = turnedRect;
    InvalidateViews();
    return true;
}

} // namespace pattik
