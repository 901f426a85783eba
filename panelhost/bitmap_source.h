#pragma once
// The bitmaps of a module, by resource id, decoded once and kept. With `blackIsClear` (image flag
// 0x1) pure black pixels are made see-through.
#include <QImage>
#include <cstddef>
#include <map>
#include <utility>

namespace panelhost {

// A BITMAP resource: a whole .bmp file, or (as resource compilers store it) the bitmap without
// its 14-byte file header. A null image when the bytes are not a bitmap.
QImage decodeBitmapResource(const unsigned char* bytes, std::size_t size);
QImage withBlackClear(const QImage& image);

class BitmapSource {
 public:
  explicit BitmapSource(void* moduleHandle) : module_(moduleHandle) {}
  // A null image when the module has no such bitmap.
  const QImage& bitmap(int id, bool blackIsClear);

 private:
  void* module_;
  std::map<std::pair<int, bool>, QImage> cache_;
};

}  // namespace panelhost
