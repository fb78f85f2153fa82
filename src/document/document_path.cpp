#include "document/document_path.h"

#include "document/shown_path.h"
#include "res/string_table.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstddef>

namespace pattik {
namespace {

// Whether the bytes are well-formed UTF-8: no stray continuation bytes, no overlong forms,
// no surrogates, nothing past U+10FFFF.
bool IsUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int length = 0;
        unsigned int lowest = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            lowest = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            lowest = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            lowest = 0x10000;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(length) > text.size()) {
            return false;
        }
        unsigned int code = lead & (0x7Fu >> length);
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            code = code << 6 | (next & 0x3Fu);
        }
        if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
        i += static_cast<std::size_t>(length);
    }
    return true;
}

bool HasTooLongPart(std::string_view path) {
    if (path.size() >= PATH_MAX) {
        return true;
    }
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string_view::npos) {
            end = path.size();
        }
        if (end - start > NAME_MAX) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string_view ProblemText(DocumentPathProblem problem) {
    switch (problem) {
    case DocumentPathProblem::None:
        return "";
    case DocumentPathProblem::Empty:
        return kInvalidFileNameText;
    case DocumentPathProblem::NotUtf8:
        return kNameNotTextText;
    case DocumentPathProblem::TooLong:
        return kNameTooLongText;
    case DocumentPathProblem::NoSuchFolder:
        return kNoSuchFolderText;
    case DocumentPathProblem::IsAFolder:
        return kIsAFolderText;
    case DocumentPathProblem::NotAFile:
        return kNotARegularFileText;
    case DocumentPathProblem::Unreadable:
        return kCannotReadText;
    }
    return "";
}

} // namespace

DocumentPathProblem CheckDocumentPath(std::string_view path) {
    if (path.empty() || path.find('\0') != std::string_view::npos) {
        return DocumentPathProblem::Empty;
    }
    if (!IsUtf8(path)) {
        return DocumentPathProblem::NotUtf8;
    }
    if (HasTooLongPart(path)) {
        return DocumentPathProblem::TooLong;
    }
    const std::string name(path);
    struct stat status {};
    if (stat(name.c_str(), &status) != 0) {
        if (errno == EACCES) {
            return DocumentPathProblem::Unreadable;
        }
        if (errno == ENAMETOOLONG) {
            return DocumentPathProblem::TooLong;
        }
        // Not there (or a file stands where a folder should): fine when its folder is.
        struct stat folder {};
        const std::string parent = FolderOf(name);
        const bool folderThere = stat(parent.c_str(), &folder) == 0 && S_ISDIR(folder.st_mode);
        return folderThere ? DocumentPathProblem::None : DocumentPathProblem::NoSuchFolder;
    }
    if (S_ISDIR(status.st_mode)) {
        return DocumentPathProblem::IsAFolder;
    }
    if (!S_ISREG(status.st_mode)) {
        return DocumentPathProblem::NotAFile;
    }
    // Opened, not asked about: the answer is for the user the program runs as.
    const int file = open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0) {
        return DocumentPathProblem::Unreadable;
    }
    close(file);
    return DocumentPathProblem::None;
}

std::string DocumentPathMessage(std::string_view path, DocumentPathProblem problem) {
    return std::string(kCannotOpenDocumentText) + "\n" + ShownPath(path) + ": " +
           std::string(ProblemText(problem));
}

} // namespace pattik
