#include "document/recent_list.h"

#include <algorithm>

namespace pattik {

std::vector<std::string> WithRecentPath(std::vector<std::string> entries, const std::string& path) {
    if (path.empty()) {
        return entries;
    }
    std::erase(entries, path);
    entries.insert(entries.begin(), path);
    if (entries.size() > kRecentFileCount) {
        entries.resize(kRecentFileCount);
    }
    return entries;
}

std::vector<std::string> WithoutRecentPath(std::vector<std::string> entries,
                                           const std::string& path) {
    std::erase(entries, path);
    return entries;
}

} // namespace pattik
