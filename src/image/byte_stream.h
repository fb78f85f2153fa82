#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace pattik {

// Where a Seek offset counts from; the values are those fseek takes.
enum class SeekOrigin : int { Start = SEEK_SET, Current = SEEK_CUR, End = SEEK_END };

// A byte stream the encoders write to. The order of the virtual operations is fixed:
// file-backed and memory-backed streams are interchangeable behind it.
class ByteStream {
  public:
    virtual ~ByteStream() = default;

    virtual bool Close() = 0;
    // Both move whole elements and return how many moved, as fread and fwrite do.
    virtual std::size_t Read(void* buffer, std::size_t size, std::size_t count) = 0;
    virtual std::size_t Write(const void* buffer, std::size_t size, std::size_t count) = 0;
    virtual bool Seek(std::int32_t offset, SeekOrigin origin) = 0;
    virtual std::int32_t Tell() = 0;
    virtual std::int32_t Size() = 0;
    virtual bool Flush() = 0;
    virtual bool Eof() = 0;
    // Non-zero once an operation has failed; the encoders never look, their callers do.
    virtual int Error() = 0;
    virtual bool PutC(std::uint8_t byte) { return Write(&byte, 1, 1) == 1; }
    // The byte read, or -1 at the end or on failure.
    virtual int GetC() = 0;

  protected:
    ByteStream() = default;
    ByteStream(const ByteStream&) = delete;
    ByteStream& operator=(const ByteStream&) = delete;
};

} // namespace pattik
