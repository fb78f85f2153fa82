#pragma once

#include <string>

namespace pattik {

// The files of one saved item, found from whichever of them was chosen: "B.gif", "BDP.gif"
// or "BRp.gif" all lead to the same three.
struct ItemFilePaths {
    std::string wear;
    std::string dp;
    std::string hair;
};

// A chosen name ending in "DP" or "Rp" (in any case) leads to the wear file before that
// suffix when there is one, unless the chosen file is itself a wear picture (an item may be
// named "capDP"): its picture's size decides. A path that is not there leads to the ".gif"
// file the item was saved as (a document named "X.GIF" is saved as "X.gif"). Companions are
// found whatever the case of their suffix ("SHOEDP.GIF" beside "SHOE.GIF"); a companion that
// is not there is named as Save would write it, and one that holds a wear picture belongs to
// another item and is left empty.
ItemFilePaths ItemFilePathsFor(const std::string& chosen);

} // namespace pattik
