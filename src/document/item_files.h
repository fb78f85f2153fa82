#pragma once

#include "document/item_file_paths.h"
#include "document/output_result.h"
#include "panel/edit_panel.h"
#include "raster/device_bitmap.h"

#include <functional>
#include <optional>
#include <string>

namespace pattik {

// An item's pictures as its files hold them. The wear picture is always there; the DP and
// hair pictures only when their files are (both are also made from the wear picture for
// the items whose files come from it).
struct ItemFilePictures {
    DeviceBitmap wear;
    std::optional<DeviceBitmap> dp;
    std::optional<DeviceBitmap> hair;
};

struct ItemReadResult {
    std::optional<ItemFilePictures> pictures;
    ItemFilePaths paths;
    // When nothing was read: which file, and why, in Korean, and the same in English for
    // the command line's bilingual messages.
    std::string problem;
    std::string problemInEnglish;
};

// Reads and checks the item's files: each must be a GIF of one picture in its picture's
// size. One bad file refuses the whole item, so nothing is half opened.
ItemReadResult ReadItemFiles(const std::string& chosen);

// Writes the wear, DP and (when there is one) hair files of the pictures for the chosen
// path ("B.gif", "BDP.gif", "BRp.gif"), each in its palette. A failure stops only its own
// file: the user may still want the others.
OutputResult WriteItemFiles(const std::string& path, const OutputPictures& pictures);
// The same, calling beforeReplacing with each file's name just before it takes the old one's
// place: what a test changes there is what a failing disk or folder would.
OutputResult WriteItemFiles(const std::string& path, const OutputPictures& pictures,
                            const std::function<void(const std::string&)>& beforeReplacing);
// The panel's pictures, composed and written.
OutputResult ComposeOutput(const CEditPanel& panel, const std::string& path);

// One line for the user on why a file was not written, in Korean.
std::string SaveFailureText(SaveFailure cause, int errorNumber);

} // namespace pattik
