#pragma once

#include "image/byte_stream.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace pattik {

// Packs codes of varying width into bytes, least significant bit first, and sends them out
// in sub-blocks: a length byte (1 to 255), then that many bytes. Every code takes the same
// few steps whatever its width: the whole bit buffer is stored and the complete bytes kept,
// with no loop or branch a byte, which is most of the time a picture of noise takes.
class GifCodePacker {
  public:
    static constexpr std::size_t kMaxBlockLength = 255;
    // The widest code a GIF has.
    static constexpr int kWidestCode = 12;

    explicit GifCodePacker(ByteStream& stream) : stream_(stream) {}

    // Inline: the coder calls it for every code. width is at most kWidestCode.
    void Emit(unsigned code, int width) {
        bitBuffer_ |= std::uint64_t{code} << bitCount_;
        bitCount_ += width; // at most 7 + 12 bits held
        StoreBuffer();
        const int whole = bitCount_ >> 3;
        length_ += static_cast<std::size_t>(whole);
        bitBuffer_ >>= whole * 8;
        bitCount_ &= 7;
        if (length_ >= kFlushAt) {
            WriteWholeBlocks();
        }
    }
    // Emits each value as a code of the same width, as many Emit calls would, with the
    // buffer held in registers: a stretch of noise, where every pixel is its own literal.
    void EmitEach(const std::uint8_t* values, std::size_t count, int width);
    // Sends the last partial byte and the last sub-block.
    void Finish();

  private:
    // Full blocks go out once this many bytes are collected: sixteen at a time.
    static constexpr std::size_t kFlushAt = 16 * kMaxBlockLength;

    void StoreBuffer() {
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(bytes_.data() + length_, &bitBuffer_, sizeof bitBuffer_);
        } else {
            for (std::size_t i = 0; i < sizeof bitBuffer_; ++i) {
                bytes_[length_ + i] = static_cast<std::uint8_t>(bitBuffer_ >> (8 * i));
            }
        }
    }
    // Writes every full sub-block collected and keeps the rest for the next.
    void WriteWholeBlocks();
    void WriteBlock(const std::uint8_t* data, std::size_t length);

    ByteStream& stream_;
    // Room for a flush's worth, and for the eight bytes each store writes past the end.
    std::array<std::uint8_t, kFlushAt + kMaxBlockLength + 8> bytes_{};
    std::size_t length_ = 0;
    std::uint64_t bitBuffer_ = 0;
    int bitCount_ = 0;
};

} // namespace pattik
