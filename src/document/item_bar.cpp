#include "document/item_bar.h"

#include "res/string_table.h"

namespace pattik {

void CItemBar::ShowRemembered() {
    boxes_.SetSelection(ItemBox::Gender, selectedGender_);
    boxes_.SetSelection(ItemBox::Category, selectedCategory_);
}

void CItemBar::OnChange(int guardedEntry) {
    if (tools_.InStroke()) {
        ShowRemembered();
        return;
    }
    if (guardedEntry != -1 && document_.IsDocumentModified()) {
        dialogs_.ShowMessage(kItemChangeRefusedText, MessageButtons::Ok);
        ShowRemembered();
        return;
    }
    // Both boxes are read, so either handler applies the pair the boxes show.
    selectedGender_ = boxes_.GetSelection(ItemBox::Gender);
    selectedCategory_ = boxes_.GetSelection(ItemBox::Category);
    panel_.ChangeItem(selectedGender_, selectedCategory_);
}

void CItemBar::RefreshAndApply() {
    ShowRemembered();
    OnCategoryChange();
}

void CItemBar::FlipGender() {
    if (tools_.InStroke()) {
        return;
    }
    // Under unsaved work the flip is refused once, and nothing changes: not the remembered
    // gender, not the boxes, not the panel.
    if (selectedGender_ != -1 && document_.IsDocumentModified()) {
        dialogs_.ShowMessage(kItemChangeRefusedText, MessageButtons::Ok);
        ShowRemembered();
        return;
    }
    selectedGender_ = selectedGender_ == static_cast<int>(Gender::Female)
                          ? static_cast<int>(Gender::Male)
                          : static_cast<int>(Gender::Female);
    // Applies the pair both boxes now show, gender included.
    RefreshAndApply();
}

void CItemBar::ChooseAndApply(int gender, int category) {
    selectedGender_ = gender;
    selectedCategory_ = category;
    ShowRemembered();
    panel_.ChangeItem(selectedGender_, selectedCategory_);
}

void CItemBar::ResetForNewDocument() {
    selectedGender_ = -1;
    selectedCategory_ = -1;
    ShowRemembered();
}

} // namespace pattik
