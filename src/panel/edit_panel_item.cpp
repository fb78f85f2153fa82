// Choosing an item, the artwork under it, and starting a new document.
#include "image/colour_keys.h"
#include "panel/edit_panel.h"
#include "raster/bitmap_resources.h"
#include "res/control_ids.h"

namespace pattik {
namespace {

// A picture of an artwork bitmap with white as its key; an empty bitmap leaves the picture
// empty, so it draws nothing.
void LoadGuidePicture(CxImage& picture, const DeviceBitmap& bitmap) {
    if (bitmap.IsEmpty()) {
        picture.Destroy();
    } else {
        picture.LoadFromDeviceBitmap(&bitmap);
    }
    MakeWhiteTransparent(picture);
}

} // namespace

void CEditPanel::ChangeItem(int genderIndex, int categoryIndex) {
    ++artworkVersion_; // the mannequin and the guides are loaded again
    const Gender newGender = GenderFromIndex(genderIndex);
    const ItemCategory newCategory = CategoryFromIndex(categoryIndex);

    mannequinBitmap = LoadBitmapResource(BodyMannequinId(newGender));
    DeviceBitmap head = LoadBitmapResource(HeadId(newGender));
    LoadGuidePicture(pictures_.mannequinPicture, mannequinBitmap);
    LoadGuidePicture(pictures_.hairGuidePicture, head);

    // Choosing an item starts its hair picture from the head, discarding what was drawn.
    DrawingContext hair(&hairImage);
    const DrawingContext headContext(&head);
    BitBlt(hair, 0, 0, kHairImageSize.cx, kHairImageSize.cy, headContext, 0, 0);

    controlHost_.ShowControl(kHairButton, false);
    item_.gender = newGender;
    item_.category = newCategory;

    const auto guideId = DpGuideId(newCategory, newGender);
    LoadGuidePicture(pictures_.dpGuidePicture,
                     guideId ? LoadBitmapResource(*guideId) : DeviceBitmap{});

    if (HasHairImage(newCategory)) {
        // Switching between items with hair keeps the view, Hair view included.
        controlHost_.ShowControl(kHairButton, true);
        item_.hairEnabled = true;
    } else {
        item_.hairEnabled = false;
        OnWearButton();
    }
    viewHost_.InvalidateAll(false);
}

void CEditPanel::ReplaceArtwork(const ItemArtwork& artwork) {
    ++artworkVersion_;
    if (artwork.background.IsEmpty()) {
        pictures_.backgroundPicture.Destroy();
    } else {
        pictures_.backgroundPicture.LoadFromDeviceBitmap(&artwork.background);
    }
    LoadGuidePicture(pictures_.mannequinPicture, artwork.mannequin);
    LoadGuidePicture(pictures_.dpGuidePicture, artwork.dpGuide);
    LoadGuidePicture(pictures_.hairGuidePicture, artwork.hairGuide);
    viewHost_.InvalidateAll(false);
}

void CEditPanel::ResetForNewDocument() {
    wearImage.Fill(kTransparentMagenta);
    dpImage.Fill(kTransparentMagenta);
    hairImage.Fill(kTransparentMagenta);
    // The old document's states must not be stepped back into the new one, nor its
    // floating selection brought back by an undo.
    RestartHistory();
    undo_.withSelection = false;
    DrawingContext selection(&selectionBitmap);
    selection.FillRect(RECT{0, 0, kHairImageSize.cx, kHairImageSize.cy}, kTransparentMagenta);
    item_.category = ItemCategory::None;
    item_.gender = Gender::None;
    InvalidateViews(kWearImageSize);
}

} // namespace pattik
