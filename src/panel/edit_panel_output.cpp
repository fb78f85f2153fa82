// The saved files: the wear picture, the display picture over its guide and the hair picture.
#include "image/colour_keys.h"
#include "image/output_names.h"
#include "image/write_gif.h"
#include "panel/edit_panel.h"

namespace pattik {
namespace {

// Converts one composed bitmap and writes it, noting in the result whether it got there. A
// failure stops only this file: the user may still want the others.
void WriteFile(const std::string& fileName, const DeviceBitmap& bitmap, OutputResult& result) {
    CxImageGif picture;
    SaveResult saved;
    if (!picture.LoadFromDeviceBitmap(&bitmap)) {
        // A bitmap with pixels fails to load only when there is no memory for the copy.
        saved.cause = bitmap.IsEmpty() ? SaveFailure::EmptyPicture : SaveFailure::OutOfMemory;
        saved.reason = picture.GetLastError();
    } else {
        saved = WriteGif(fileName, picture);
        if (saved.Succeeded()) {
            result.written.push_back(fileName);
            return;
        }
    }
    result.failures.push_back(
        OutputResult::Failure{fileName, saved.reason, saved.cause, saved.errorNumber});
}

} // namespace

OutputPictures CEditPanel::ComposeOutputPictures() {
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
        // view shows it; whatever was drawn into it by hand gives way.
        RebuildHairImage();
        DeviceBitmap hair(kHairImageSize.cx, kHairImageSize.cy);
        hair.Fill(kTransparentMagenta);
        DrawingContext hairContext(&hair);
        DrawWithoutMagenta(hairImage, hairContext, 0, 0);
        pictures.hair = std::move(hair);
    }
    return pictures;
}

OutputResult CEditPanel::ComposeOutput(const std::string& path) {
    const OutputNames names = OutputNamesFor(path);
    const OutputPictures pictures = ComposeOutputPictures();
    OutputResult result;
    WriteFile(names.wear, pictures.wear, result);
    WriteFile(names.dp, pictures.dp, result);
    if (pictures.hair) {
        WriteFile(names.hair, *pictures.hair, result);
    }
    return result;
}

} // namespace pattik
