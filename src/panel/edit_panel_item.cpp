// Choosing an item and starting a new document.
#include "panel/edit_panel.h"
#include "panel/panel_geometry.h"
#include "raster/bitmap_resources.h"
#include "res/control_ids.h"

namespace pattik {
namespace {

// A picture of a bitmap resource with white as its key; a resource that cannot be had
// leaves the picture empty, so it draws nothing.
void LoadGuidePicture(CxImage& picture, const DeviceBitmap& bitmap) {
    if (bitmap.IsEmpty()) {
        picture.Destroy();
    } else {
        picture.LoadFromDeviceBitmap(&bitmap);
    }
    MakeWhiteTransparent(picture);
}

constexpr Size kWearSize = kWearImageSize;

} // namespace

void CEditPanel::ChangeItem(int genderIndex, int categoryIndex) {
    const Gender newGender = GenderFromIndex(genderIndex);
    const ItemCategory newCategory = CategoryFromIndex(categoryIndex);

    mannequinBitmap = LoadBitmapResource(BodyMannequinId(newGender));
    DeviceBitmap head = LoadBitmapResource(HeadId(newGender));
    LoadGuidePicture(mannequinPicture, mannequinBitmap);
    LoadGuidePicture(hairGuidePicture, head);

    // Choosing an item starts its hair picture from the head, discarding what was drawn.
    DrawingContext hair(&hairImage);
    const DrawingContext headContext(&head);
    BitBlt(hair, 0, 0, kHairImageSize.cx, kHairImageSize.cy, headContext, 0, 0);

    host_.ShowControl(kHairButton, false);
    gender = newGender;
    category = newCategory;

    const auto guideId = DpGuideId(category, gender);
    LoadGuidePicture(dpGuidePicture, guideId ? LoadBitmapResource(*guideId) : DeviceBitmap{});

    if (HasHairImage(category)) {
        // Switching between items with hair keeps the view, Hair view included.
        host_.ShowControl(kHairButton, true);
        hairEnabled = true;
    } else {
        hairEnabled = false;
        OnWearButton();
    }
    host_.InvalidateAll(false);
}

void CEditPanel::ResetForNewDocument() {
    wearImage.Fill(kTransparentMagenta);
    dpImage.Fill(kTransparentMagenta);
    hairImage.Fill(kTransparentMagenta);
    DrawingContext selection(&selectionBitmap);
    selection.FillRect(RECT{0, 0, kHairImageSize.cx, kHairImageSize.cy}, kTransparentMagenta);
    category = ItemCategory::None;
    gender = Gender::None;
    host_.Invalidate(PanelGeometry::Preview(kWearSize), false);
    host_.Invalidate(PanelGeometry::Canvas(kWearSize), false);
}

} // namespace pattik
