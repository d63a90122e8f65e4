// Decoding PNG pictures from memory with libpng into 32-bit DIB sections that keep their alpha channel.
#pragma once

#include "toolkit/Handles.h"

#include <cstddef>

namespace tk {

// Decodes the PNG held in exactly size bytes at data into a top-down 32-bit DIB section whose pixels are
// blue, green, red, alpha with the colours premultiplied by alpha, as AlphaBlend wants them. Returns an
// empty handle when the data is not a PNG that libpng can read, or the picture is larger than 16384
// pixels on a side.
BitmapHandle DecodePng(const void* data, size_t size);

} // namespace tk
