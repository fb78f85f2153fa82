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

// The path up to its first ".gif", found without regard to the case of ASCII letters;
// the whole path when it has none. UTF-8 paths keep every multibyte character intact,
// since no byte of one is an ASCII letter or a dot.
std::string GifBaseName(std::string_view path);

OutputNames OutputNamesFor(std::string_view path);

} // namespace pattik
