#pragma once

#include <string>
#include <string_view>

namespace pattik {

// What can be wrong with a path the program is started with, before it names the document.
enum class DocumentPathProblem {
    None,
    Empty,        // no name at all
    NotUtf8,      // bytes that are no text: the title would show them garbled
    TooLong,      // a name or a path longer than the system takes
    NoSuchFolder, // the folder it names is not there (or is not a folder)
    IsAFolder,    // a folder, not a file
    NotAFile,     // a device, FIFO or socket
    Unreadable,   // a file this user may not read
};

// Checks the path as the bytes it came as. A file that does not exist yet in a folder that
// does is a fine name for a new item.
DocumentPathProblem CheckDocumentPath(std::string_view path);

// The message for a path that cannot name the document, in Korean: the path, then why.
std::string DocumentPathMessage(std::string_view path, DocumentPathProblem problem);

} // namespace pattik
