#include "image/byte_stream.h"
#include "image/cximage.h"
#include "image/cximage_gif.h"
#include "image/safe_file_writer.h"
#include "image/stdio_stream.h"

#include <cerrno>
#include <cstring>

namespace pattik {
namespace {

constexpr const char* kNullStream = "null file handler";
constexpr const char* kNullImage = "null image!!!";
constexpr const char* kUnknownFormat = "Encode: Unknown format";
constexpr const char* kStreamFailed = "Encode: the stream failed while writing";

std::string FileError(const char* what, const std::string& path, int errorNumber) {
    return std::string("Save: cannot ") + what + " " + path + ": " + std::strerror(errorNumber);
}

} // namespace

bool CxImage::Save(const std::string& path, std::uint32_t typeCode) {
    SafeFileWriter file(path);
    if (!file.Open()) {
        SetLastError(FileError("open", path, file.ErrorNumber()).c_str());
        return false;
    }
    const bool encoded = Encode(file.Handle(), typeCode);
    // Encode's own reasons (format, empty image) stand; a failed write is the file's.
    if (!encoded && std::ferror(file.Handle()) == 0) {
        return false;
    }
    // Only a file written to the end, flushed and synced may take the target's place.
    if (!file.Commit()) {
        SetLastError(FileError("write", path, file.ErrorNumber()).c_str());
        return false;
    }
    return encoded;
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
        SetLastError(kUnknownFormat);
        return false;
    }
    // A view of this image: the writer sees its pixels and settings and frees nothing.
    CxImageGif writer;
    writer.ShareFrom(*this);
    if (!writer.Encode(stream)) {
        SetLastError(writer.GetLastError());
        return false;
    }
    // The writer never looks at the stream's results, so a lost byte shows only here.
    if (stream->Error() != 0) {
        SetLastError(kStreamFailed);
        return false;
    }
    return true;
}

bool CxImage::CheckEncodable(ByteStream* stream) {
    if (stream == nullptr) {
        SetLastError(kNullStream);
        return true;
    }
    if (pixelBlock == nullptr) {
        SetLastError(kNullImage);
        return true;
    }
    return false;
}

} // namespace pattik
