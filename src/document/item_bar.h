#pragma once

#include "panel/dialog_host.h"
#include "panel/document_host.h"
#include "panel/edit_panel.h"
#include "panel/item_bar_host.h"
#include "tools/canvas_tools.h"

namespace pattik {

// The item bar's logic: the gender and category boxes, and the guard that keeps the item
// from changing under unsaved work. The boxes are the window's, reached through the host.
// In the middle of a stroke the item stays, and the boxes show it again.
class CItemBar {
  public:
    CItemBar(CEditPanel& panel, const CanvasTools& tools, ItemBarHost& boxes, DialogHost& dialogs,
             DocumentHost& document)
        : panel_(panel), tools_(tools), boxes_(boxes), dialogs_(dialogs), document_(document) {}

    // The boxes' selection-change handlers. A change while the document holds unsaved work
    // is refused: a message, and the boxes show the remembered entries again. Otherwise
    // both boxes are read and their pair applied to the panel.
    void OnGenderChange() { OnChange(selectedGender_); }
    void OnCategoryChange() { OnChange(selectedCategory_); }
    // Fills both boxes from the remembered entries, then applies them as a category change.
    void RefreshAndApply();
    // F1: female becomes male and anything else female, and the pair is applied. Under
    // unsaved work it is refused once and changes nothing.
    void FlipGender();
    // An opened item: remembers and shows the pair and applies it, whatever the flag says
    // (the document has already asked about unsaved work).
    void ChooseAndApply(int gender, int category);
    // A new document: no entries remembered or shown. The panel forgets the item itself.
    void ResetForNewDocument();

    int SelectedGender() const { return selectedGender_; }
    int SelectedCategory() const { return selectedCategory_; }

  private:
    // guardedEntry: the remembered entry of the box that changed; the guard applies only
    // once that box has had an accepted entry.
    void OnChange(int guardedEntry);
    void ShowRemembered();

    CEditPanel& panel_;
    const CanvasTools& tools_;
    ItemBarHost& boxes_;
    DialogHost& dialogs_;
    DocumentHost& document_;
    int selectedGender_ = -1;
    int selectedCategory_ = -1;
};

} // namespace pattik
