#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace pattik::batch {

// The exit statuses of pattik-item.
inline constexpr int kExitDone = 0;
inline constexpr int kExitFileProblem = 1; // a picture or an item could not be read or written
inline constexpr int kExitRefused = 2;     // the arguments were refused

// Runs pattik-item on its arguments (without the program's name): makes an item's files from
// PNG pictures through the same panel the editor saves with, or checks a saved item. What it
// did goes to out, one line a file; warnings and refusals go to err, each one line, Korean
// first. Returns the exit status.
int RunItemCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

} // namespace pattik::batch
