#pragma once

#include <string>
#include <string_view>

namespace pattik {

// A path as a message shows it: whole when it is short, else its start and its end (where
// the file's name is) around an ellipsis, so no path, however long, can flood a message box.
// A cut never splits a UTF-8 character.
std::string ShownPath(std::string_view path);

// The most bytes ShownPath gives back.
inline constexpr std::size_t kShownPathLimit = 240;

} // namespace pattik
