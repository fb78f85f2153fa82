#include "image/memory_stream.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace pattik {
namespace {

// Tell and Size answer in 32 bits, so the stream never grows beyond what they can say.
constexpr std::size_t kMaxLength = std::numeric_limits<std::int32_t>::max();

} // namespace

std::size_t MemoryStream::Read(void* buffer, std::size_t size, std::size_t count) {
    if (size == 0 || count == 0) {
        return 0;
    }
    const std::size_t available = position < data.size() ? data.size() - position : 0;
    // As fread: the bytes of a last, partial element are consumed but not counted.
    const std::size_t bytes = count > available / size ? available : size * count;
    if (bytes > 0) {
        std::memcpy(buffer, data.data() + position, bytes);
        position += bytes;
    }
    const std::size_t elements = bytes / size;
    if (elements < count) {
        atEnd = true;
    }
    return elements;
}

std::size_t MemoryStream::Write(const void* buffer, std::size_t size, std::size_t count) {
    if (size == 0 || count == 0) {
        return 0;
    }
    if (failWrites || count > kMaxLength / size || position > kMaxLength - size * count) {
        failed = true;
        return 0;
    }
    const std::size_t bytes = size * count;
    if (position + bytes > data.size()) {
        data.resize(position + bytes);
    }
    std::memcpy(data.data() + position, buffer, bytes);
    position += bytes;
    return count;
}

bool MemoryStream::Seek(std::int32_t offset, SeekOrigin origin) {
    std::int64_t base = 0;
    if (origin == SeekOrigin::Current) {
        base = static_cast<std::int64_t>(position);
    } else if (origin == SeekOrigin::End) {
        base = static_cast<std::int64_t>(data.size());
    }
    const std::int64_t target = base + offset;
    if (target < 0 || target > static_cast<std::int64_t>(kMaxLength)) {
        return false;
    }
    position = static_cast<std::size_t>(target);
    atEnd = false;
    return true;
}

int MemoryStream::GetC() {
    std::uint8_t byte = 0;
    return Read(&byte, 1, 1) == 1 ? byte : -1;
}

} // namespace pattik
