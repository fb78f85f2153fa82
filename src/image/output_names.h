#pragma once

#include <string>
#include <string_view>

namespace pattik {

// The names an item is saved under, all from the base of the chosen path.
struct OutputNames {
    std::string wear; // base + ".gif"
    std::string dp;   // base + "DP.gif"
    std::string hair; // base + "Rp.gif"
};

// The path up to the first ".gif" in its file name (the part after the last '/'), found
// without regard to the case of ASCII letters; the whole path when the name has none. A
// folder called "art.gifs" is no end of the base, so the files land in it. UTF-8 paths
// keep every multibyte character intact, since no byte of one is an ASCII letter, a dot or
// a slash.
std::string GifBaseName(std::string_view path);

// All three names are empty, which no save accepts, when the base has no file name (an
// empty path, a folder, a name that starts with ".gif"): saving would write hidden files
// called ".gif" and "DP.gif".
OutputNames OutputNamesFor(std::string_view path);

} // namespace pattik
