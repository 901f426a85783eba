#pragma once
// The size of a module's BITMAP resource read from its header, without decoding its pixels: what
// the panel core needs to place a gauge where it has no picture to draw.
#include <cstddef>

#include "panelhost/geometry.h"

namespace panelhost {

// A whole .bmp file or the bitmap without its 14-byte file header, as resource compilers store
// it; an invalid size when the bytes hold no bitmap header.
Size bitmapHeaderSize(const unsigned char* bytes, std::size_t size);
// The size of the module's bitmap `id` (its library handle); invalid when it has none.
Size bitmapResourceSize(void* moduleHandle, int id);

}  // namespace panelhost
