#include "image/gif_code_packer.h"

namespace pattik {

void GifCodePacker::WriteBlock(const std::uint8_t* data, std::size_t length) {
    stream_.PutC(static_cast<std::uint8_t>(length));
    stream_.Write(data, 1, length);
}

void GifCodePacker::WriteWholeBlocks() {
    std::size_t start = 0;
    for (; length_ - start >= kMaxBlockLength; start += kMaxBlockLength) {
        WriteBlock(bytes_.data() + start, kMaxBlockLength);
    }
    std::memmove(bytes_.data(), bytes_.data() + start, length_ - start);
    length_ -= start;
}

void GifCodePacker::EmitEach(const std::uint8_t* values, std::size_t count, int width) {
    std::uint64_t buffer = bitBuffer_;
    int bits = bitCount_;
    std::size_t length = length_;
    for (std::size_t i = 0; i < count; ++i) {
        buffer |= std::uint64_t{values[i]} << bits;
        bits += width;
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(bytes_.data() + length, &buffer, sizeof buffer);
        } else {
            bitBuffer_ = buffer;
            length_ = length;
            StoreBuffer();
        }
        const int whole = bits >> 3;
        length += static_cast<std::size_t>(whole);
        buffer >>= whole * 8;
        bits &= 7;
        if (length >= kFlushAt) {
            length_ = length;
            WriteWholeBlocks();
            length = length_;
        }
    }
    bitBuffer_ = buffer;
    bitCount_ = bits;
    length_ = length;
}

void GifCodePacker::Finish() {
    if (bitCount_ > 0) {
        bytes_[length_++] = static_cast<std::uint8_t>(bitBuffer_ & 0xFF);
        bitBuffer_ = 0;
        bitCount_ = 0;
    }
    WriteWholeBlocks();
    if (length_ > 0) {
        WriteBlock(bytes_.data(), length_);
        length_ = 0;
    }
}

} // namespace pattik
