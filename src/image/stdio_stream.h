#pragma once

#include "image/byte_stream.h"

#include <cstdio>

namespace pattik {

// A ByteStream over a buffered standard I/O handle. A handle given by the caller stays the
// caller's: the stream never closes it. A stream made without one may open its own file,
// which it then closes.
class StdioStream : public ByteStream {
  public:
    explicit StdioStream(std::FILE* callerHandle = nullptr)
        : handle(callerHandle), closeOnDestroy(callerHandle == nullptr) {}
    ~StdioStream() override;

    // fopen for a stream made without a handle; false if it already has one or fopen fails.
    bool Open(const char* path, const char* mode);

    bool Close() override;
    std::size_t Read(void* buffer, std::size_t size, std::size_t count) override;
    std::size_t Write(const void* buffer, std::size_t size, std::size_t count) override;
    bool Seek(std::int32_t offset, SeekOrigin origin) override;
    std::int32_t Tell() override;
    // The length of the file; the position is left where it was.
    std::int32_t Size() override;
    bool Flush() override;
    bool Eof() override;
    int Error() override;
    bool PutC(std::uint8_t byte) override;
    int GetC() override;

    std::FILE* GetHandle() const { return handle; }

  private:
    std::FILE* handle;
    bool closeOnDestroy;
};

} // namespace pattik
