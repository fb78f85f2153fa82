#include "image/cximage.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace pattik {
namespace {

constexpr double kInchesPerMetre = 39.37007874015748;
constexpr std::uint32_t kPaletteEntrySize = sizeof(RGBQUAD);
constexpr std::uint32_t kBitsPerByte = 8;
// An image may not need more than this many units of 256 bits.
constexpr std::uint64_t kMaxMemoryUnits = 256000000;
constexpr std::uint64_t kBitsPerUnit = 256;

constexpr const char* kInvalidSize = "CxImage::Create invalid size";
constexpr const char* kMaxMemoryExceeded = "CXIMAGE_MAX_MEMORY exceeded";
constexpr const char* kCannotAllocate = "CxImage::Create can't allocate memory";
constexpr const char* kViewCannotCreate = "CxImage::Create: a view cannot be re-created";

std::int32_t PelsPerMetre(std::int32_t dpi) {
    return static_cast<std::int32_t>(std::floor(dpi * kInchesPerMetre + 0.5));
}

std::uint32_t NormalisedBitCount(std::uint32_t bitCount) {
    if (bitCount <= 1) {
        return 1;
    }
    if (bitCount <= 4) {
        return 4;
    }
    if (bitCount <= 8) {
        return 8;
    }
    return kTrueColourBits;
}

std::uint32_t PaletteSizeFor(std::uint32_t bitCount) {
    return bitCount == kTrueColourBits ? 0 : 1u << bitCount;
}

// A product too large for 64 bits counts as exceeding the limit.
bool ExceedsMemoryLimit(std::int32_t width, std::int32_t height, std::uint32_t bitCount) {
    const std::uint64_t pixels = std::uint64_t(width) * std::uint64_t(height);
    if (pixels > std::numeric_limits<std::uint64_t>::max() / bitCount) {
        return true;
    }
    return pixels * bitCount / kBitsPerUnit > kMaxMemoryUnits;
}

void* AllocateWithMalloc(std::size_t size) {
    return std::malloc(size);
}

} // namespace

CxImage::BlockAllocator CxImage::blockAllocator = &AllocateWithMalloc;

CxImage::CxImage(std::uint32_t typeCode) {
    Reset(typeCode);
}

CxImage::~CxImage() {
    Destroy();
}

void CxImage::Reset(std::uint32_t typeCode) {
    // Dropping an owned block here, rather than just forgetting it, keeps Reset from leaking.
    Destroy();
    info = ImageInfo{};
    state = State{};
    state.typeCode = typeCode;
    ForgetPixels();
}

bool CxImage::Destroy() {
    if (state.viewOwner != nullptr) {
        return false;
    }
    std::free(pixelBlock);
    ForgetPixels();
    return true;
}

void CxImage::ForgetPixels() {
    pixelBlock = nullptr;
    header = BITMAPINFOHEADER{};
    header.biXPelsPerMeter = PelsPerMetre(state.xDpi);
    header.biYPelsPerMeter = PelsPerMetre(state.yDpi);
    state.rowStride = 0;
    state.rows = nullptr;
    state.nearestCacheValid = false;
}

std::uint8_t* CxImage::Create(std::int32_t width, std::int32_t height, std::uint32_t bitCount,
                              std::uint32_t typeCode) {
    if (!Destroy()) {
        SetLastError(kViewCannotCreate);
        return nullptr;
    }
    // A negative size would make negative strides and block sizes; refuse it outright.
    if (width < 0 || height < 0) {
        SetLastError(kInvalidSize);
        return nullptr;
    }
    bitCount = NormalisedBitCount(bitCount);
    if (ExceedsMemoryLimit(width, height, bitCount)) {
        SetLastError(kMaxMemoryExceeded);
        return nullptr;
    }
    const std::uint32_t paletteSize = PaletteSizeFor(bitCount);
    // Strides and sizes in 64 bits: the header's 32-bit fields must hold them unclipped.
    const std::uint64_t stride = DibStride(width, static_cast<int>(bitCount));
    const std::uint64_t imageSize = stride * std::uint64_t(height);
    if (stride > std::numeric_limits<std::uint32_t>::max() ||
        imageSize > std::numeric_limits<std::uint32_t>::max()) {
        SetLastError(kMaxMemoryExceeded);
        return nullptr;
    }
    const std::uint64_t paletteBytes = std::uint64_t(paletteSize) * kPaletteEntrySize;
    // A refused allocation is a result to report, never an exception.
    auto* block =
        static_cast<std::uint8_t*>(blockAllocator(kDibHeaderSize + paletteBytes + imageSize));
    if (block == nullptr) {
        SetLastError(kCannotAllocate);
        return nullptr;
    }

    state.rowStride = static_cast<std::uint32_t>(stride);
    state.typeCode = typeCode;
    header.biSize = kDibHeaderSize;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = kDibPlanes;
    header.biBitCount = static_cast<std::uint16_t>(bitCount);
    header.biCompression = kBiRgb;
    header.biSizeImage = static_cast<std::uint32_t>(imageSize);
    header.biClrUsed = paletteSize;
    header.biClrImportant = 0;

    // Every entry black; the rows are left for the caller to fill.
    std::memset(block + kDibHeaderSize, 0, paletteBytes);
    std::memcpy(block, &header, kDibHeaderSize);
    pixelBlock = block;
    state.rows = block + kDibHeaderSize + paletteBytes;
    return pixelBlock;
}

void CxImage::ShareFrom(CxImage& source) {
    if (&source == this) {
        return;
    }
    // A block this object owned would be lost once the pointer is overwritten.
    Destroy();
    header = source.header;
    info = source.info;
    state = source.state;
    pixelBlock = source.pixelBlock;
    state.viewOwner = &source;
}

void CxImage::SetLastError(const char* message) {
    std::strncpy(state.lastError, message, kLastErrorSize - 1);
    state.lastError[kLastErrorSize - 1] = '\0';
}

void CxImage::SetEncodeFailure(SaveFailure cause, const char* message) {
    SetLastError(message);
    state.encodeFailure = cause;
}

std::uint8_t* CxImage::PixelAddress(int x, int y) const {
    return state.rows + std::size_t(y) * state.rowStride +
           std::size_t(x) * header.biBitCount / kBitsPerByte;
}

DibRef CxImage::BlockDib() const {
    if (pixelBlock == nullptr) {
        return DibRef{};
    }
    return DibRef{reinterpret_cast<const BITMAPINFOHEADER*>(pixelBlock), GetPalette(), state.rows};
}

} // namespace pattik
