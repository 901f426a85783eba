#include "bmp_writer.h"

#include <QFile>
#include <QSaveFile>
#include <cstdint>
#include <vector>

namespace gaugeart {
namespace {

void put16(std::vector<char>& out, std::uint16_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>(v >> 8));
}

void put32(std::vector<char>& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

}  // namespace

bool writeBmp24(const QImage& source, const QString& path) {
  const QImage image = source.convertToFormat(QImage::Format_RGB32);
  const auto width = static_cast<std::uint32_t>(image.width());
  const auto height = static_cast<std::uint32_t>(image.height());
  const std::uint32_t stride = (width * 3 + 3) & ~3u;
  const std::uint32_t pixelBytes = stride * height;
  constexpr std::uint32_t kHeaderBytes = 14 + 40;

  std::vector<char> out;
  out.reserve(kHeaderBytes + pixelBytes);
  out.push_back('B');
  out.push_back('M');
  put32(out, kHeaderBytes + pixelBytes);
  put32(out, 0);
  put32(out, kHeaderBytes);
  put32(out, 40);
  put32(out, width);
  put32(out, height);
  put16(out, 1);
  put16(out, 24);
  put32(out, 0);  // no compression
  put32(out, pixelBytes);
  put32(out, 2835);  // 72 dpi
  put32(out, 2835);
  put32(out, 0);
  put32(out, 0);
  for (int y = image.height() - 1; y >= 0; --y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      out.push_back(static_cast<char>(qBlue(line[x])));
      out.push_back(static_cast<char>(qGreen(line[x])));
      out.push_back(static_cast<char>(qRed(line[x])));
    }
    for (std::uint32_t pad = width * 3; pad < stride; ++pad) out.push_back('\0');
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(out.data(), static_cast<qint64>(out.size()));
  return file.commit();
}

}  // namespace gaugeart
