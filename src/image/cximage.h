#pragma once

#include "raster/colour.h"
#include "raster/device_bitmap.h"
#include "raster/dib_layout.h"
#include "raster/drawing_context.h"
#include "raster/geometry.h"

#include "image/save_failure.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace pattik {

class ByteStream;
class CxImage;

// What kind of file an image came from or is meant for. Informational only: the encoder is
// chosen by the type code given to Encode.
inline constexpr std::uint32_t kImageTypeUnknown = 0;
inline constexpr std::uint32_t kImageTypeBmp = 1;
inline constexpr std::uint32_t kImageTypeGif = 2;

// TransparentIndex of an image without transparency.
inline constexpr std::int32_t kNoTransparency = -1;

// Layout values shared by an image's own DIB and the work bitmap Draw composes in.
inline constexpr std::uint32_t kDibHeaderSize = sizeof(BITMAPINFOHEADER);
inline constexpr std::uint16_t kDibPlanes = 1;
inline constexpr std::uint16_t kTrueColourBits = 24;

inline constexpr int kDefaultDpi = 96;
inline constexpr std::size_t kLastErrorSize = 256;

// The colour key of an image, which callers set directly; everything else about an image is
// read through its getters.
struct ImageInfo {
    std::int32_t TransparentIndex = kNoTransparency;
    // Compared in all four bytes against pixels whose reserved byte is 0.
    RGBQUAD TransparentColour;
};

// The raster image: a device-independent bitmap (header, palette, rows bottom row first)
// in one heap block. Pixel (x, y) counts y from the BOTTOM row.
//
// Subclasses (the GIF kind) add encoder state only; every operation here behaves the same
// on them.
class CxImage {
  public:
    explicit CxImage(std::uint32_t typeCode = kImageTypeUnknown);
    // Frees the pixel block unless the image is a view.
    virtual ~CxImage();
    CxImage(const CxImage&) = delete;
    CxImage& operator=(const CxImage&) = delete;

    void Reset(std::uint32_t typeCode);
    // Leaves the image empty, keeping its settings; false, freeing nothing, for a view.
    bool Destroy();
    // An image of the given size with rows of undefined content and an all-black palette.
    // Returns the pixel block, or null with the reason in the last error text and the image
    // left empty (a view stays a view of its source).
    std::uint8_t* Create(std::int32_t width, std::int32_t height, std::uint32_t bitCount,
                         std::uint32_t typeCode);
    // Makes this object a view of the source's buffers and settings; it never frees them.
    void ShareFrom(CxImage& source);

    // Replaces the image by a 24-bit copy of the bitmap, which is always 32-bit true
    // colour, so unlike a palette device there is no palette to realise first.
    bool LoadFromDeviceBitmap(const DeviceBitmap* bitmap);

    // Paints the image at (x, y) scaled to cx x cy (-1: the image's own width or height),
    // clipped to clip if given. With TransparentIndex set, pixels of the key are skipped.
    // Returns 1 when it ran (even if the clip box left nothing to paint), 0 otherwise.
    int Draw(DrawingContext* dc, int x, int y, int cx = -1, int cy = -1,
             const RECT* clip = nullptr) const;

    RGBQUAD* GetPalette() const;
    RGBQUAD GetPaletteColor(std::uint8_t index) const;
    void SetPaletteColor(std::uint8_t index, RGBQUAD colour);
    void SetPaletteColor(std::uint8_t index, COLORREF colour);

    std::uint8_t GetPixelIndex(int x, int y) const;
    void SetPixelIndex(int x, int y, std::uint8_t index);
    RGBQUAD GetPixelColor(int x, int y) const;
    std::uint8_t NearestIndex(RGBQUAD colour);
    // The entries NearestIndex chooses from: the palette, or only its first entries when the
    // header's colours-important count names fewer.
    std::uint32_t SearchedPaletteSize() const;
    RGBQUAD EffectiveTransparentColour() const;

    // Writes the image as a file of the given type (only GIF, type code 2). A file that
    // cannot be completely written leaves the previous one, if any, untouched. A failure
    // comes back with its cause and whole reason; the last error text holds the reason as far
    // as it fits.
    SaveResult Save(const std::string& path, std::uint32_t typeCode);
    // Writes to the caller's handle, which stays open.
    bool Encode(std::FILE* handle, std::uint32_t typeCode);
    // False with the reason in the last error text: no stream, no pixels, a type or bit
    // count it does not write, a size GIF cannot state (none across or down, or more than
    // 65535 either way), or a stream that lost bytes.
    bool Encode(ByteStream* stream, std::uint32_t typeCode);
    // True when the image cannot be encoded to the stream; the last error text says why.
    bool CheckEncodable(ByteStream* stream);

    std::int32_t GetWidth() const { return header.biWidth; }
    std::int32_t GetHeight() const { return header.biHeight; }
    std::uint16_t GetBitCount() const { return header.biBitCount; }
    std::uint32_t GetRowStride() const { return state.rowStride; }
    // Row 0, the bottom row, inside the pixel block; null without one.
    std::uint8_t* GetRows() { return state.rows; }
    const std::uint8_t* GetRows() const { return state.rows; }
    // Entries in the palette: 2, 16 or 256, or 0 for a 24-bit image.
    std::uint32_t GetPaletteSize() const { return header.biClrUsed; }
    std::uint32_t GetTypeCode() const { return state.typeCode; }
    const BITMAPINFOHEADER& GetHeader() const { return header; }
    const std::uint8_t* GetPixelBlock() const { return pixelBlock; }
    const CxImage* GetViewOwner() const { return state.viewOwner; }
    bool IsValid() const { return pixelBlock != nullptr; }
    const char* GetLastError() const { return state.lastError; }

  protected:
    // Owned unless the image is a view.
    std::uint8_t* pixelBlock = nullptr;
    BITMAPINFOHEADER header;

  public:
    ImageInfo info;

  protected:
    // The allocator behind the pixel block. It must return memory that std::free releases,
    // or null; tests put a refusing one here to see how Create copes.
    using BlockAllocator = void* (*)(std::size_t);
    static BlockAllocator blockAllocator;

    void SetLastError(const char* message);
    // The last error text, and the cause Save reports when Encode gave up.
    void SetEncodeFailure(SaveFailure cause, const char* message);
    std::uint32_t GetFrameDelay() const { return state.frameDelay; }
    std::int32_t GetXOffset() const { return state.xOffset; }
    std::int32_t GetYOffset() const { return state.yOffset; }
    bool IsInside(int x, int y) const {
        return x >= 0 && y >= 0 && x < header.biWidth && y < header.biHeight;
    }
    // Address of the byte that holds pixel (x, y); the caller checks IsInside first.
    std::uint8_t* PixelAddress(int x, int y) const;
    // Draw's common case: a keyed 24-bit picture at its own size, inside the clip box.
    void DrawKeyedTrueColour(DeviceBitmap& target, const RECT& box, int x, int y) const;
    // The DIB as the drawing layer reads it: the block's own header copy, palette and rows.
    DibRef BlockDib() const;

  private:
    // Everything about the image but its pixels, header and colour key.
    struct State {
        std::uint32_t rowStride = 0;  // bytes per row, padded to a multiple of 4
        std::uint8_t* rows = nullptr; // row 0, the bottom row, inside the pixel block
        CxImage* viewOwner = nullptr; // the image whose buffers a view shows; null if owned
        std::uint32_t typeCode = kImageTypeUnknown;
        char lastError[kLastErrorSize] = {};
        SaveFailure encodeFailure = SaveFailure::None;
        std::uint32_t frameDelay = 0;
        std::int32_t xDpi = kDefaultDpi;
        std::int32_t yDpi = kDefaultDpi;
        std::int32_t xOffset = 0;
        std::int32_t yOffset = 0;
        // NearestIndex remembers its last answer: runs of one colour cost one palette scan.
        RGBQUAD lastNearestColour;
        std::uint8_t lastNearestIndex = 0;
        bool nearestCacheValid = false;
    };

    // An empty header, no pixels and no rows; the settings stay.
    void ForgetPixels();

    State state;
};

} // namespace pattik
