// The history of each picture, stepped back and forth beside the one-step undo copy.
#include "panel/edit_panel.h"

namespace pattik {
namespace {

constexpr ViewMode kAllPictures[] = {ViewMode::Wear, ViewMode::Dp, ViewMode::Hair};

} // namespace

void CEditPanel::RestartHistory() {
    history_.Clear();
    for (const ViewMode mode : kAllPictures) {
        history_.Checkpoint(mode, Image(mode));
    }
}

bool CEditPanel::StepBack() {
    return StepThroughHistory(false);
}

bool CEditPanel::StepForward() {
    return StepThroughHistory(true);
}

bool CEditPanel::StepThroughHistory(bool forward) {
    // The floating pixels are the user's latest work: placed now, they are recorded with the
    // picture before the step, instead of being pasted over the state it shows.
    if (selection_.hasFloatingSelection) {
        CommitFloatingSelection();
        DropFloatingSelection();
    }
    DeviceBitmap& picture = MutableImage(view_.viewMode);
    const DeviceBitmap* state = forward ? history_.StepForward(view_.viewMode, picture)
                                        : history_.StepBack(view_.viewMode, picture);
    if (state == nullptr) {
        return false;
    }
    // Every state was recorded from this picture, so it has the picture's size.
    picture = *state;
    viewHost_.InvalidateAll(true);
    return true;
}

bool CEditPanel::CanStepBack() const {
    return history_.CanStepBack(view_.viewMode, PictureAsAStepFindsIt());
}

bool CEditPanel::CanStepForward() const {
    return history_.CanStepForward(view_.viewMode, PictureAsAStepFindsIt());
}

DeviceBitmap CEditPanel::PictureAsAStepFindsIt() const {
    DeviceBitmap picture = CurrentImage();
    if (selection_.hasFloatingSelection) {
        PlaceSelectionInto(picture);
    }
    return picture;
}

} // namespace pattik
