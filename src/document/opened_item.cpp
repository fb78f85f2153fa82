#include "document/opened_item.h"

namespace pattik {

OpenedItem::OpenedItem(const CEditPanel& panel, const ItemFilePictures& files)
    : wear_(panel.Image(ViewMode::Wear)), dp_(panel.Image(ViewMode::Dp)),
      gender_(panel.Item().gender), category_(panel.Item().category), dpFile_(files.dp),
      hairFile_(files.hair) {
    const OutputPictures composed = panel.ComposeOutputPictures();
    filesDiffer_ = (dpFile_ && !SamePixels(*dpFile_, composed.dp)) ||
                   (hairFile_ && composed.hair && !SamePixels(*hairFile_, *composed.hair));
}

bool OpenedItem::Unchanged(const CEditPanel& panel) const {
    return panel.Item().gender == gender_ && panel.Item().category == category_ &&
           SamePixels(panel.Image(ViewMode::Wear), wear_) &&
           SamePixels(panel.Image(ViewMode::Dp), dp_);
}

void OpenedItem::KeepFilesIfUnchanged(const CEditPanel& panel, OutputPictures& pictures) const {
    if (!filesDiffer_ || !Unchanged(panel)) {
        return;
    }
    if (dpFile_) {
        pictures.dp = *dpFile_;
    }
    if (hairFile_ && pictures.hair) {
        pictures.hair = *hairFile_;
    }
}

} // namespace pattik
