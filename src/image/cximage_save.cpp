#include "image/byte_stream.h"
#include "image/cximage.h"
#include "image/cximage_gif.h"
#include "image/safe_file_writer.h"
#include "image/stdio_stream.h"

#include <cerrno>
#include <cstring>
#include <utility>

namespace pattik {
namespace {

constexpr const char* kNullStream = "null file handler";
constexpr const char* kNullImage = "null image!!!";
constexpr const char* kUnknownFormat = "Encode: Unknown format";
constexpr const char* kStreamFailed = "Encode: the stream failed while writing";
constexpr const char* kEmptyPath = "Save: cannot open an empty path";
constexpr const char* kPathWithNul = "Save: cannot open a path holding a NUL byte";
constexpr const char* kNoFileOrDevice = "neither a regular file nor a device";

std::string FileError(const char* what, const std::string& path, const char* problem) {
    return std::string("Save: cannot ") + what + " " + path + ": " + problem;
}

std::string OpenError(const SafeFileWriter& file, const std::string& path) {
    if (file.Failure() == SaveFailure::InvalidPath) {
        // The path stays out of the text: up to its NUL byte it reads as another file.
        return path.empty() ? kEmptyPath : kPathWithNul;
    }
    // A FIFO or socket has no errno of its own to report.
    if (file.ErrorNumber() == 0) {
        return FileError("open", path, kNoFileOrDevice);
    }
    return FileError("open", path, std::strerror(file.ErrorNumber()));
}

} // namespace

SaveResult CxImage::Save(const std::string& path, std::uint32_t typeCode) {
    // The result keeps the reason whole; the last error text keeps what fits of it.
    const auto fail = [this](SaveFailure cause, int errorNumber, std::string reason) {
        SetLastError(reason.c_str());
        return SaveResult{cause, errorNumber, std::move(reason)};
    };
    SafeFileWriter file(path);
    if (!file.Open()) {
        return fail(file.Failure(), file.ErrorNumber(), OpenError(file, path));
    }
    const bool encoded = Encode(file.Handle(), typeCode);
    // Encode's own reasons (format, size, empty image) stand; a failed write is the file's.
    if (!encoded && std::ferror(file.Handle()) == 0) {
        return fail(state.encodeFailure, 0, GetLastError());
    }
    // Only a file written to the end, flushed and synced may take the target's place.
    if (!file.Commit()) {
        return fail(file.Failure(), file.ErrorNumber(),
                    FileError("write", path, std::strerror(file.ErrorNumber())));
    }
    return SaveResult{};
}

bool CxImage::Encode(std::FILE* handle, std::uint32_t typeCode) {
    // A null handle is no stream at all; a stream without a file would swallow every byte.
    if (handle == nullptr) {
        return Encode(static_cast<ByteStream*>(nullptr), typeCode);
    }
    StdioStream stream(handle);
    return Encode(&stream, typeCode);
}

bool CxImage::Encode(ByteStream* stream, std::uint32_t typeCode) {
    if (typeCode != kImageTypeGif) {
        SetEncodeFailure(SaveFailure::UnsupportedFormat, kUnknownFormat);
        return false;
    }
    // A view of this image: the writer sees its pixels and settings and frees nothing.
    CxImageGif writer;
    writer.ShareFrom(*this);
    if (!writer.Encode(stream)) {
        SetEncodeFailure(writer.state.encodeFailure, writer.GetLastError());
        return false;
    }
    // The writer never looks at the stream's results, so a lost byte shows only here.
    if (stream->Error() != 0) {
        SetEncodeFailure(SaveFailure::System, kStreamFailed);
        return false;
    }
    return true;
}

bool CxImage::CheckEncodable(ByteStream* stream) {
    if (stream == nullptr) {
        SetEncodeFailure(SaveFailure::System, kNullStream);
        return true;
    }
    if (pixelBlock == nullptr) {
        SetEncodeFailure(SaveFailure::EmptyPicture, kNullImage);
        return true;
    }
    return false;
}

} // namespace pattik
