#pragma once

#include "document/item_files.h"
#include "panel/edit_panel.h"

#include <optional>

namespace pattik {

// An opened item as its files held it. An item over the colour budget was saved with its
// colours merged, each file by its own palette: the wear file comes back with the merged
// colours, so a DP or hair picture made again from it differs from the file that was read.
// While the pictures and the item stay as opened, saving writes the files as they were read,
// so saving an opened item without changes gives the same bytes.
class OpenedItem {
  public:
    // Notes the panel just after the files were put in it.
    OpenedItem(const CEditPanel& panel, const ItemFilePictures& files);

    // Whether the panel still holds the item and the pictures as opened.
    bool Unchanged(const CEditPanel& panel) const;
    // Whether the DP or hair file read differs from what the pictures now make: their
    // colours were merged when they were first saved.
    bool FilesDifferFromTheirPictures() const { return filesDiffer_; }
    // The DP and hair files as read, in place of the composed ones, while unchanged.
    void KeepFilesIfUnchanged(const CEditPanel& panel, OutputPictures& pictures) const;

  private:
    DeviceBitmap wear_;
    DeviceBitmap dp_;
    Gender gender_;
    ItemCategory category_;
    std::optional<DeviceBitmap> dpFile_;
    std::optional<DeviceBitmap> hairFile_;
    bool filesDiffer_ = false;
};

} // namespace pattik
