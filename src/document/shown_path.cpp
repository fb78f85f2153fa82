#include "document/shown_path.h"

namespace pattik {
namespace {

constexpr std::string_view kEllipsis = "…";
constexpr std::size_t kShownStart = 80;
constexpr std::size_t kShownEnd = kShownPathLimit - kShownStart - kEllipsis.size();

bool IsContinuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

} // namespace

std::string ShownPath(std::string_view path) {
    if (path.size() <= kShownPathLimit) {
        return std::string(path);
    }
    // Back to the start of a character on either side of the cut.
    std::size_t startEnd = kShownStart;
    while (startEnd > 0 && IsContinuation(path[startEnd])) {
        --startEnd;
    }
    std::size_t endStart = path.size() - kShownEnd;
    while (endStart < path.size() && IsContinuation(path[endStart])) {
        ++endStart;
    }
    std::string shown(path.substr(0, startEnd));
    shown += kEllipsis;
    shown += path.substr(endStart);
    return shown;
}

} // namespace pattik
