#pragma once

#include "document/output_result.h"
#include "panel/edit_panel.h"
#include "raster/device_bitmap.h"

#include <optional>
#include <string>

namespace pattik {

// The files of one saved item, found from whichever of them was chosen: "B.gif", "BDP.gif"
// or "BRp.gif" all lead to the same three.
struct ItemFilePaths {
    std::string wear;
    std::string dp;
    std::string hair;
};

// A companion ("...DP.gif", "...Rp.gif") leads to its wear file when that exists; a path
// that is not there leads to the ".gif" file the item was saved as (a document named
// "X.GIF" is saved as "X.gif").
ItemFilePaths ItemFilePathsFor(const std::string& chosen);

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
    // When nothing was read: which file, and why, in Korean.
    std::string problem;
};

// Reads and checks the item's files: each must be a GIF of one picture in its picture's
// size. One bad file refuses the whole item, so nothing is half opened.
ItemReadResult ReadItemFiles(const std::string& chosen);

// Writes the wear, DP and (when there is one) hair files of the pictures for the chosen
// path ("B.gif", "BDP.gif", "BRp.gif"), each in its palette. A failure stops only its own
// file: the user may still want the others.
OutputResult WriteItemFiles(const std::string& path, const OutputPictures& pictures);
// The panel's pictures, composed and written.
OutputResult ComposeOutput(const CEditPanel& panel, const std::string& path);

// One line for the user on why a file was not written, in Korean.
std::string SaveFailureText(SaveFailure cause, int errorNumber);

} // namespace pattik
