// Putting the pictures of an opened item back into the panel.
#include "panel/edit_panel.h"

#include <algorithm>

namespace pattik {

bool CEditPanel::LoadItemPictures(const ItemFilePictures& files) {
    const auto hasSize = [](const DeviceBitmap& bitmap, Size size) {
        return bitmap.Width() == size.cx && bitmap.Height() == size.cy;
    };
    if (!hasSize(files.wear, kWearImageSize) || (files.dp && !hasSize(*files.dp, kDpImageSize)) ||
        wearImage.IsEmpty() || dpImage.IsEmpty()) {
        return false;
    }
    for (int y = 0; y < kWearImageSize.cy; ++y) {
        std::copy_n(files.wear.Row(y), kWearImageSize.cx, wearImage.Row(y));
    }

    // The DP file shows the DP picture over its guide. Where a pixel is the guide's own, the
    // picture was empty there; saving again draws the guide under it, so the file comes out
    // the same either way, and the picture holds only what was drawn.
    dpImage.Fill(kTransparentMagenta);
    if (files.dp && !DpFileSourceFor(item_.category, item_.gender).fromWear) {
        DeviceBitmap guide(kDpImageSize.cx, kDpImageSize.cy);
        guide.Fill(kTransparentMagenta);
        DrawingContext guideContext(&guide);
        pictures_.dpGuidePicture.Draw(&guideContext, 0, 0);
        for (int y = 0; y < kDpImageSize.cy; ++y) {
            const COLORREF* file = files.dp->Row(y);
            const COLORREF* under = guide.Row(y);
            COLORREF* picture = dpImage.Row(y);
            for (int x = 0; x < kDpImageSize.cx; ++x) {
                picture[x] = file[x] == under[x] ? kTransparentMagenta : file[x];
            }
        }
    }
    // The hair picture is made from the wear picture whenever it is shown or saved.
    if (item_.hairEnabled) {
        RebuildHairImage();
    }
    // An undo must not bring back a picture of the document that was there before, and the
    // history starts from the pictures as opened.
    undo_.undoViewMode = -1;
    RestartHistory();
    viewHost_.InvalidateAll(true);
    return true;
}

} // namespace pattik
