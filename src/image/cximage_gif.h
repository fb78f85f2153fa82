#pragma once

#include "image/byte_stream.h"
#include "image/cximage.h"

#include <cstdint>

namespace pattik {

// A GIF states its width and height in 16 bits.
inline constexpr std::int32_t kGifLargestSide = 65535;

// The GIF kind of image: every picture the program makes is one. It adds only the
// writer's state; Encode writes the image as a GIF89a file with one graphic control
// extension and one image.
class CxImageGif : public CxImage {
  public:
    CxImageGif() : CxImage(kImageTypeGif) {}

    using CxImage::Encode;
    // The GIF writer: header and global colour table, graphic control extension, the
    // image with its coded data, trailer. Needs an image of 1, 4 or 8 bits.
    bool Encode(ByteStream* stream);

  private:
    // The graphic control record, as it is written: flags, delay, transparent index.
    struct GraphicControl {
        std::uint8_t flags = 0;
        std::uint16_t delay = 0;
        std::uint8_t transparentIndex = 0;
    };

    void WriteHeader(ByteStream& stream) const;
    void WriteGraphicControl(ByteStream& stream);
    void WriteImage(ByteStream& stream);

    GraphicControl control_;
    std::int32_t disposalMethod_ = 0;
};

} // namespace pattik
