#include "panelhost/bitmap_source.h"

#include <QByteArray>
#include <cstdint>
#include <cstring>

#include "panelhost/little_endian.h"
#include "winapi/windows.h"

namespace panelhost {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kMaxResourceBytes = 64u << 20;

void writeLe32(char* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// Where the pixels start in a header-less bitmap: after the info header and its colour table.
std::uint32_t pixelOffset(const unsigned char* bytes, std::size_t size) {
  const std::uint32_t infoSize = readLe32(bytes);
  std::uint32_t colours = 0;
  if (infoSize >= 40 && size >= 40) {
    const unsigned bitCount = static_cast<unsigned>(bytes[14]) | static_cast<unsigned>(bytes[15])
                                                                     << 8;
    colours = readLe32(bytes + 32);
    if (colours == 0 && bitCount <= 8) colours = 1u << bitCount;
    if (readLe32(bytes + 16) == 3 && infoSize == 40) colours += 3;  // bit-field masks
  }
  return static_cast<std::uint32_t>(kFileHeaderSize) + infoSize + 4 * colours;
}

}  // namespace

QImage decodeBitmapResource(const unsigned char* bytes, std::size_t size) {
  if (!bytes || size < 16 || size > kMaxResourceBytes) return {};
  QByteArray file;
  if (bytes[0] == 'B' && bytes[1] == 'M') {
    file = QByteArray(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
  } else {
    file = QByteArray(static_cast<qsizetype>(kFileHeaderSize + size), '\0');
    file[0] = 'B';
    file[1] = 'M';
    writeLe32(file.data() + 2, static_cast<std::uint32_t>(file.size()));
    writeLe32(file.data() + 10, pixelOffset(bytes, size));
    std::memcpy(file.data() + kFileHeaderSize, bytes, size);
  }
  QImage image;
  image.loadFromData(file, "BMP");
  return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage withBlackClear(const QImage& image) {
  QImage out = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x)
      if ((line[x] & 0x00FFFFFFu) == 0) line[x] = 0;
  }
  return out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

const QImage& BitmapSource::bitmap(int id, bool blackIsClear) {
  const auto key = std::make_pair(id, blackIsClear);
  auto found = cache_.find(key);
  if (found != cache_.end()) return found->second;
  QImage image;
  if (id >= 0 && id <= 0xFFFF) {
    auto* module = static_cast<HMODULE>(module_);
    if (HRSRC resource = FindResourceA(module, MAKEINTRESOURCE(id), RT_BITMAP)) {
      const auto* bytes =
          static_cast<const unsigned char*>(LockResource(LoadResource(module, resource)));
      image = decodeBitmapResource(bytes, SizeofResource(module, resource));
      if (blackIsClear && !image.isNull()) image = withBlackClear(image);
    }
  }
  return cache_.emplace(key, std::move(image)).first->second;
}

}  // namespace panelhost
