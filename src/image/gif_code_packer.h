#pragma once

#include "image/byte_stream.h"

#include <array>
#include <cstdint>

namespace pattik {

// Image data goes out in sub-blocks: a length byte (1 to 255), then that many bytes.
class GifSubBlockWriter {
  public:
    static constexpr std::size_t kMaxBlockLength = 255;

    explicit GifSubBlockWriter(ByteStream& stream) : stream_(stream) {}

    void Put(std::uint8_t byte) {
        block_[length_++] = byte;
        if (length_ == kMaxBlockLength) {
            WriteBlock();
        }
    }
    // Writes out whatever is collected; nothing when the block is empty.
    void Finish();

  private:
    void WriteBlock();

    ByteStream& stream_;
    std::array<std::uint8_t, 256> block_{};
    std::size_t length_ = 0;
};

// Packs codes of varying width into bytes, least significant bit first.
class GifCodePacker {
  public:
    explicit GifCodePacker(ByteStream& stream) : blocks_(stream) {}

    // Inline: the coder calls it for every code.
    void Emit(unsigned code, int width) {
        bitBuffer_ |= static_cast<std::uint32_t>(code) << bitCount_;
        bitCount_ += width;
        while (bitCount_ >= 8) {
            blocks_.Put(static_cast<std::uint8_t>(bitBuffer_ & 0xFF));
            bitBuffer_ >>= 8;
            bitCount_ -= 8;
        }
    }
    // Sends the last partial byte and the last sub-block.
    void Finish();

  private:
    GifSubBlockWriter blocks_;
    std::uint32_t bitBuffer_ = 0;
    int bitCount_ = 0;
};

} // namespace pattik
