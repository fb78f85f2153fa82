// A drag that Esc calls off leaves the panel as the press found it. The press has already
// taken the undo copy and recorded the history, and a press with the selection tool may
// have merged the floating pixels, so what those change is kept beforehand and put back.
#include "panel/edit_panel.h"

namespace pattik {

void CEditPanel::KeepStateBeforePress() {
    stateBeforePress_ = StateBeforePress{
        .viewMode = view_.viewMode,
        .picture = CurrentImage(),
        .selection = selection_,
        .selectionBitmap = selectionBitmap,
        .undoBitmap = undoBitmap,
        .undo = undo_,
        .history = history_,
    };
}

bool CEditPanel::RestoreStateBeforePress() {
    if (!stateBeforePress_ || stateBeforePress_->viewMode != view_.viewMode) {
        stateBeforePress_.reset();
        return false;
    }
    StateBeforePress& kept = *stateBeforePress_;
    MutableImage(view_.viewMode) = std::move(kept.picture);
    selection_ = kept.selection;
    selectionBitmap = std::move(kept.selectionBitmap);
    undoBitmap = std::move(kept.undoBitmap);
    undo_ = kept.undo;
    history_ = std::move(kept.history);
    stateBeforePress_.reset();
    viewHost_.InvalidateAll(true);
    return true;
}

} // namespace pattik
