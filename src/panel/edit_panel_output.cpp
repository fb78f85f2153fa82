// What the saved files of an item hold: the wear picture, the display picture over its guide
// and the hair picture. Writing them is the document's.
#include "image/colour_keys.h"
#include "panel/edit_panel.h"

namespace pattik {

void CEditPanel::DrawDpPictureOf(DrawingContext& target, const DeviceBitmap& wear,
                                 const DeviceBitmap& dp) const {
    pictures_.dpGuidePicture.Draw(&target, 0, 0);
    const DpFileSource source = DpFileSourceFor(item_.category, item_.gender);
    if (source.fromWear) {
        DrawWithoutMagenta(wear, target, source.x, source.y, source.width, source.height);
    } else {
        DrawWithoutMagenta(dp, target, 0, 0);
    }
}

OutputPictures CEditPanel::ComposeOutputPictures() const {
    OutputPictures pictures;
    pictures.wear = wearImage;

    // The display picture: the guide, then either a window of the wear picture (items whose
    // display is cut from what is worn) or the DP picture itself.
    pictures.dp = DeviceBitmap(kDpImageSize.cx, kDpImageSize.cy);
    pictures.dp.Fill(kTransparentMagenta);
    DrawingContext dpContext(&pictures.dp);
    DrawDpPicture(dpContext);

    if (item_.hairEnabled) {
        // The hair picture is always the reduced hair square of the wear picture, as the Hair
        // view shows it; whatever was drawn into the panel's hair picture by hand gives way.
        DeviceBitmap hair(kHairImageSize.cx, kHairImageSize.cy);
        ShrinkHairSquare(hair);
        pictures.hair = std::move(hair);
    }
    return pictures;
}

} // namespace pattik
