#pragma once

#include "raster/device_bitmap.h"

namespace pattik {

// The bitmap resource with the given id, decoded into a device bitmap whose dimension
// is its size. An id with no resource, or a resource that cannot be decoded, gives an
// empty bitmap.
DeviceBitmap LoadBitmapResource(int id);

} // namespace pattik
