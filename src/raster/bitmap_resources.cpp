#include "raster/bitmap_resources.h"

#include "raster/bmp_decoder.h"
#include "res/resource_data.h"

namespace pattik {

DeviceBitmap LoadBitmapResource(int id) {
    return DecodeBmp(FindBitmapResourceBytes(id));
}

} // namespace pattik
