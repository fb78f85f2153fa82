#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace pattik {

// The recent-file list holds the four paths used last, newest first.
inline constexpr std::size_t kRecentFileCount = 4;

// The list with the path put first: an entry already there moves up instead of repeating,
// the oldest falls off, and an empty path changes nothing.
std::vector<std::string> WithRecentPath(std::vector<std::string> entries, const std::string& path);
// The list without the path.
std::vector<std::string> WithoutRecentPath(std::vector<std::string> entries,
                                           const std::string& path);

} // namespace pattik
