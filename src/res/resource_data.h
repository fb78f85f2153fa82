#pragma once

#include <span>

namespace pattik {

// The bytes of the BMP file embedded for a bitmap resource id; empty when there is none.
std::span<const unsigned char> FindBitmapResourceBytes(int id);

} // namespace pattik
