#include "image/cximage.h"

#include "raster/dib_transfer.h"

namespace pattik {
namespace {

constexpr const char* kGetDIBitsFailed = "GetDIBits failed";

} // namespace

bool CxImage::LoadFromDeviceBitmap(const DeviceBitmap* bitmap) {
    if (!Destroy() || bitmap == nullptr) {
        return false;
    }
    // A 32-bit bitmap becomes a 24-bit image: Create drops the unused fourth byte.
    if (Create(bitmap->Width(), bitmap->Height(), DeviceBitmap::kBitsPerPixel, kImageTypeUnknown) ==
        nullptr) {
        return false;
    }
    if (GetDIBits24(*bitmap, state.rows) == 0) {
        // The image stays allocated, its pixels undefined, as a failed read leaves it.
        SetLastError(kGetDIBitsFailed);
        return false;
    }
    return true;
}

} // namespace pattik
