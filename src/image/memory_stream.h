#pragma once

#include "image/byte_stream.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace pattik {

// A ByteStream over a growable block of memory, for tests and benchmarks. It behaves as a
// file would: writes past the end grow it, a seek past the end leaves a gap that a later
// write fills with zeros, and a read that runs out of bytes sets the end-of-file flag.
class MemoryStream : public ByteStream {
  public:
    explicit MemoryStream(std::vector<std::uint8_t> initial = {}) : data(std::move(initial)) {}

    bool Close() override { return true; }
    std::size_t Read(void* buffer, std::size_t size, std::size_t count) override;
    std::size_t Write(const void* buffer, std::size_t size, std::size_t count) override;
    bool Seek(std::int32_t offset, SeekOrigin origin) override;
    std::int32_t Tell() override { return static_cast<std::int32_t>(position); }
    std::int32_t Size() override { return static_cast<std::int32_t>(data.size()); }
    bool Flush() override { return !failWrites; }
    bool Eof() override { return atEnd; }
    int Error() override { return failed ? 1 : 0; }
    int GetC() override;

    // From now on every write (and flush) fails as on a full disk, setting the error flag.
    void FailWrites(bool fail) { failWrites = fail; }
    void ClearError() { failed = false; }
    const std::vector<std::uint8_t>& Data() const { return data; }

  private:
    std::vector<std::uint8_t> data;
    std::size_t position = 0;
    bool atEnd = false;
    bool failed = false;
    bool failWrites = false;
};

} // namespace pattik
