#pragma once

#include "raster/device_bitmap.h"

#include <cstdint>
#include <span>
#include <string>

namespace pattik {

// Why a GIF file was not read. A window picks its own words by the cause and, for
// CannotOpen, by the errno value.
enum class GifReadFailure {
    None,
    CannotOpen,   // the system refused to open or read it; see errorNumber
    NotAFile,     // a folder, device, FIFO or socket
    TooLarge,     // far larger than any picture of an item
    NotGif,       // no GIF signature
    Damaged,      // cut short or broken inside
    NoPicture,    // a GIF without an image
    NotOnePicture // more than one image, or one that does not fill the whole screen
};

// A picture read back: the index its graphic control extension names transparent (index 0
// in the writer's files) becomes the empty magenta, every other index its palette colour.
// A file that names no transparent index has no empty pixels.
struct GifReadResult {
    GifReadFailure failure = GifReadFailure::None;
    int errorNumber = 0;
    DeviceBitmap picture;

    bool Succeeded() const { return failure == GifReadFailure::None; }
};

// Only files up to this size are read: an item's largest picture is a few kilobytes.
inline constexpr std::int64_t kLargestGifFileBytes = 4 * 1024 * 1024;
// Neither side of a picture that is read may be longer than this.
inline constexpr int kLargestReadSide = 4096;

GifReadResult ReadGifBytes(std::span<const std::uint8_t> bytes);
// Never blocks on a FIFO or a device: only a regular file is read.
GifReadResult ReadGifFile(const std::string& path);

} // namespace pattik
