#include "image/gif_code_packer.h"

namespace pattik {

void GifSubBlockWriter::Finish() {
    if (length_ > 0) {
        WriteBlock();
    }
}

void GifSubBlockWriter::WriteBlock() {
    stream_.PutC(static_cast<std::uint8_t>(length_));
    stream_.Write(block_.data(), 1, length_);
    length_ = 0;
}

void GifCodePacker::Finish() {
    if (bitCount_ > 0) {
        blocks_.Put(static_cast<std::uint8_t>(bitBuffer_ & 0xFF));
        bitBuffer_ = 0;
        bitCount_ = 0;
    }
    blocks_.Finish();
}

} // namespace pattik
