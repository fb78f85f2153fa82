#pragma once

#include <string>
#include <vector>

namespace pattik {

// What saving an item wrote and what it could not, so the save command can tell the user.
struct OutputResult {
    struct Failure {
        std::string fileName;
        std::string reason;
    };
    std::vector<std::string> written;
    std::vector<Failure> failures;

    bool Succeeded() const { return failures.empty(); }
};

} // namespace pattik
