#pragma once

#include "image/save_failure.h"

#include <string>
#include <vector>

namespace pattik {

// What saving an item wrote and what it could not, so the save command can tell the user.
struct OutputResult {
    // The window words its message by cause and errorNumber; reason is the whole English
    // text, for a log.
    struct Failure {
        std::string fileName;
        std::string reason;
        SaveFailure cause = SaveFailure::None;
        int errorNumber = 0; // the errno the system gave, or 0
    };
    std::vector<std::string> written;
    std::vector<Failure> failures;

    bool Succeeded() const { return failures.empty(); }
};

} // namespace pattik
