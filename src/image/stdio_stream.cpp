#include "image/stdio_stream.h"

namespace pattik {
namespace {

// The answers of a stream that has no file behind it.
constexpr std::int32_t kNoSize = -1;
constexpr int kNoFileError = -1;
constexpr int kNoByte = -1;

} // namespace

StdioStream::~StdioStream() {
    Close();
}

bool StdioStream::Open(const char* path, const char* mode) {
    // A stream made over the caller's handle stays over that handle.
    if (handle != nullptr || !closeOnDestroy) {
        return false;
    }
    handle = std::fopen(path, mode);
    return handle != nullptr;
}

bool StdioStream::Close() {
    if (handle == nullptr || !closeOnDestroy) {
        return true;
    }
    const int result = std::fclose(handle);
    handle = nullptr;
    return result == 0;
}

std::size_t StdioStream::Read(void* buffer, std::size_t size, std::size_t count) {
    return handle == nullptr ? 0 : std::fread(buffer, size, count, handle);
}

std::size_t StdioStream::Write(const void* buffer, std::size_t size, std::size_t count) {
    return handle == nullptr ? 0 : std::fwrite(buffer, size, count, handle);
}

bool StdioStream::Seek(std::int32_t offset, SeekOrigin origin) {
    return handle != nullptr && std::fseek(handle, offset, static_cast<int>(origin)) == 0;
}

std::int32_t StdioStream::Tell() {
    return handle == nullptr ? 0 : static_cast<std::int32_t>(std::ftell(handle));
}

std::int32_t StdioStream::Size() {
    if (handle == nullptr) {
        return kNoSize;
    }
    const long position = std::ftell(handle);
    std::fseek(handle, 0, SEEK_END);
    const long end = std::ftell(handle);
    std::fseek(handle, position, SEEK_SET);
    return static_cast<std::int32_t>(end);
}

bool StdioStream::Flush() {
    return handle != nullptr && std::fflush(handle) == 0;
}

bool StdioStream::Eof() {
    return handle == nullptr || std::feof(handle) != 0;
}

int StdioStream::Error() {
    return handle == nullptr ? kNoFileError : std::ferror(handle);
}

bool StdioStream::PutC(std::uint8_t byte) {
    return handle != nullptr && std::fputc(byte, handle) == byte;
}

int StdioStream::GetC() {
    return handle == nullptr ? kNoByte : std::getc(handle);
}

} // namespace pattik
