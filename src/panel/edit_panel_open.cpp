// Putting the pictures of an opened item, or pictures drawn elsewhere, into the panel.
#include "panel/edit_panel.h"

#include <algorithm>

namespace pattik {
namespace {

bool HasSize(const DeviceBitmap& bitmap, Size size) {
    return bitmap.Width() == size.cx && bitmap.Height() == size.cy;
}

// Both bitmaps have the picture's size, checked before.
void CopyPicture(const DeviceBitmap& from, DeviceBitmap& to, Size size) {
    for (int y = 0; y < size.cy; ++y) {
        std::copy_n(from.Row(y), size.cx, to.Row(y));
    }
}

} // namespace

bool CEditPanel::CanTakePictures(const DeviceBitmap& wear, const DeviceBitmap* dp) const {
    return HasSize(wear, kWearImageSize) && (!dp || HasSize(*dp, kDpImageSize)) &&
           !wearImage.IsEmpty() && !dpImage.IsEmpty();
}

void CEditPanel::FinishTakingPictures() {
    // The hair picture is made from the wear picture whenever it is shown or saved.
    if (item_.hairEnabled) {
        RebuildHairImage();
    }
    // An undo must not bring back a picture of the document that was there before, and the
    // history starts from the pictures as opened.
    undo_ = UndoState{};
    RestartHistory();
    viewHost_.InvalidateAll(true);
}

bool CEditPanel::LoadItemPictures(const DeviceBitmap& wear, const DeviceBitmap* dpFile) {
    if (!CanTakePictures(wear, dpFile)) {
        return false;
    }
    CopyPicture(wear, wearImage, kWearImageSize);

    // The DP file shows the DP picture over its guide. Where a pixel is the guide's own, the
    // picture was empty there; saving again draws the guide under it, so the file comes out
    // the same either way, and the picture holds only what was drawn.
    dpImage.Fill(kTransparentMagenta);
    if (dpFile && !DpFileSourceFor(item_.category, item_.gender).fromWear) {
        DeviceBitmap guide(kDpImageSize.cx, kDpImageSize.cy);
        guide.Fill(kTransparentMagenta);
        DrawingContext guideContext(&guide);
        pictures_.dpGuidePicture.Draw(&guideContext, 0, 0);
        for (int y = 0; y < kDpImageSize.cy; ++y) {
            const COLORREF* file = dpFile->Row(y);
            const COLORREF* under = guide.Row(y);
            COLORREF* picture = dpImage.Row(y);
            for (int x = 0; x < kDpImageSize.cx; ++x) {
                picture[x] = file[x] == under[x] ? kTransparentMagenta : file[x];
            }
        }
    }
    FinishTakingPictures();
    return true;
}

bool CEditPanel::RestorePictures(const DeviceBitmap& wear, const DeviceBitmap& dp,
                                 const DeviceBitmap& hair) {
    if (!CanTakePictures(wear, &dp) || !HasSize(hair, kHairImageSize) || hairImage.IsEmpty()) {
        return false;
    }
    CopyPicture(wear, wearImage, kWearImageSize);
    CopyPicture(dp, dpImage, kDpImageSize);
    CopyPicture(hair, hairImage, kHairImageSize);
    FinishTakingPictures();
    return true;
}

bool CEditPanel::PlaceDrawnPictures(const DeviceBitmap& wear, const DeviceBitmap* dp) {
    if (!CanTakePictures(wear, dp)) {
        return false;
    }
    CopyPicture(wear, wearImage, kWearImageSize);
    // Items whose DP file is cut from the wear picture never show their DP picture, so it
    // stays empty, as opening their files leaves it.
    dpImage.Fill(kTransparentMagenta);
    if (dp && !DpFileSourceFor(item_.category, item_.gender).fromWear) {
        CopyPicture(*dp, dpImage, kDpImageSize);
    }
    FinishTakingPictures();
    return true;
}

} // namespace pattik
