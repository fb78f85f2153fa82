#include "image/cximage_gif.h"

#include "image/gif_run_coder.h"

#include <algorithm>
#include <array>
#include <vector>

namespace pattik {
namespace {

constexpr std::array<std::uint8_t, 6> kSignature = {'G', 'I', 'F', '8', '9', 'a'};
constexpr std::uint8_t kGlobalColourTableFlag = 0x80;
constexpr std::uint8_t kExtensionIntroducer = 0x21;
constexpr std::uint8_t kGraphicControlLabel = 0xF9;
constexpr std::uint8_t kGraphicControlSize = 4;
constexpr std::uint8_t kBlockTerminator = 0x00;
constexpr std::uint8_t kImageSeparator = 0x2C;
constexpr std::uint8_t kImageFlags = 0x00; // no local colour table, not interlaced
constexpr std::uint8_t kTrailer = 0x3B;
// GIF has no code size below 2, so a two-colour picture is coded as if it had four.
constexpr int kSmallestCodeSize = 2;

constexpr const char* kUnsupportedBits = "Encode: GIF needs an image of 1, 4 or 8 bits per pixel";
constexpr const char* kZeroArea = "Encode: a GIF needs at least one pixel across and down";
constexpr const char* kTooLarge = "Encode: a GIF can be at most 65535 pixels wide and high";

void PutWord(ByteStream& stream, std::uint32_t value) {
    stream.PutC(static_cast<std::uint8_t>(value & 0xFF));
    stream.PutC(static_cast<std::uint8_t>((value / 256) & 0xFF));
}

} // namespace

bool CxImageGif::Encode(ByteStream* stream) {
    if (CheckEncodable(stream)) {
        return false;
    }
    const int bits = GetBitCount();
    if (bits != 1 && bits != 4 && bits != 8) {
        SetEncodeFailure(SaveFailure::UnsupportedFormat, kUnsupportedBits);
        return false;
    }
    // Readers refuse an image without pixels, so such a file could never be opened again.
    if (GetWidth() == 0 || GetHeight() == 0) {
        SetEncodeFailure(SaveFailure::ZeroArea, kZeroArea);
        return false;
    }
    // A larger size would be written cut to 16 bits, and the file would lie about it.
    if (GetWidth() > kGifLargestSide || GetHeight() > kGifLargestSide) {
        SetEncodeFailure(SaveFailure::PictureTooLarge, kTooLarge);
        return false;
    }
    WriteHeader(*stream);
    WriteGraphicControl(*stream);
    WriteImage(*stream);
    stream->PutC(kTrailer);
    return true;
}

void CxImageGif::WriteHeader(ByteStream& stream) const {
    const unsigned bits = GetBitCount();
    stream.Write(kSignature.data(), 1, kSignature.size());
    PutWord(stream, static_cast<std::uint32_t>(GetWidth()));
    PutWord(stream, static_cast<std::uint32_t>(GetHeight()));
    // The colour resolution is shifted by 5: 0xE7 for 8 bits.
    stream.PutC(static_cast<std::uint8_t>(kGlobalColourTableFlag | (((bits - 1) << 5) & 0xFF) |
                                          (bits - 1)));
    stream.PutC(0); // background colour index
    stream.PutC(0); // pixel aspect ratio
    // The colour table in one write, not three a colour: a stream may do a lot per call.
    const RGBQUAD* palette = GetPalette();
    std::array<std::uint8_t, 3 * 256> table{};
    const std::size_t size = std::min<std::size_t>(GetPaletteSize(), 256);
    for (std::size_t i = 0; i < size; ++i) {
        table[3 * i] = palette[i].rgbRed;
        table[3 * i + 1] = palette[i].rgbGreen;
        table[3 * i + 2] = palette[i].rgbBlue;
    }
    stream.Write(table.data(), 1, 3 * size);
}

void CxImageGif::WriteGraphicControl(ByteStream& stream) {
    control_.flags = static_cast<std::uint8_t>((disposalMethod_ & 7) * 4 +
                                               (info.TransparentIndex != kNoTransparency ? 1 : 0));
    control_.delay = static_cast<std::uint16_t>(GetFrameDelay() & 0xFFFF);
    control_.transparentIndex = static_cast<std::uint8_t>(info.TransparentIndex & 0xFF);
    const std::array<std::uint8_t, kGraphicControlSize> record = {
        control_.flags, static_cast<std::uint8_t>(control_.delay & 0xFF),
        static_cast<std::uint8_t>(control_.delay >> 8), control_.transparentIndex};
    stream.PutC(kExtensionIntroducer);
    stream.PutC(kGraphicControlLabel);
    stream.PutC(kGraphicControlSize);
    stream.Write(record.data(), 1, record.size());
    stream.PutC(kBlockTerminator);
}

void CxImageGif::WriteImage(ByteStream& stream) {
    stream.PutC(kImageSeparator);
    PutWord(stream, static_cast<std::uint32_t>(GetXOffset()));
    PutWord(stream, static_cast<std::uint32_t>(GetYOffset()));
    PutWord(stream, static_cast<std::uint32_t>(GetWidth()));
    PutWord(stream, static_cast<std::uint32_t>(GetHeight()));
    stream.PutC(kImageFlags);
    const int codeSize = GetBitCount() == 1 ? kSmallestCodeSize : GetBitCount();
    stream.PutC(static_cast<std::uint8_t>(codeSize));

    // Rows go out top first; the picture stores them bottom first. An 8-bit row is its own
    // stored bytes; fewer bits per pixel are unpacked into one value a byte.
    const int width = GetWidth();
    const int height = GetHeight();
    std::vector<std::uint8_t> unpacked;
    GifRunCoder coder(stream, codeSize);
    coder.EncodeImage(width, height, [&](int row) -> const std::uint8_t* {
        const int storedRow = height - 1 - row;
        if (GetBitCount() == 8) {
            return PixelAddress(0, storedRow);
        }
        unpacked.resize(static_cast<std::size_t>(width));
        for (int x = 0; x < width; ++x) {
            unpacked[static_cast<std::size_t>(x)] = GetPixelIndex(x, storedRow);
        }
        return unpacked.data();
    });
    stream.PutC(kBlockTerminator);
}

} // namespace pattik
