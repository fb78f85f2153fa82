#include "bitmap_resources.h"

#include "bmp_decoder.h"
#include "resource_data.h"

namespace pattik {

DeviceBitmap LoadBitmapResource(int id) {
    return DecodeBmp(FindBitmapResourceBytes(id));
}

} // namespace pattik
