#include "image/output_names.h"

#include <algorithm>

namespace pattik {

std::string GifBaseName(std::string_view path) {
    std::string lower(path);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    const std::size_t slash = lower.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t found = lower.find(".gif", nameStart);
    return std::string(path.substr(0, found == std::string::npos ? path.size() : found));
}

OutputNames OutputNamesFor(std::string_view path) {
    const std::string base = GifBaseName(path);
    if (base.empty() || base.back() == '/') {
        return OutputNames{};
    }
    return OutputNames{base + ".gif", base + "DP.gif", base + "Rp.gif"};
}

} // namespace pattik
