#include "file_data.h"

#include <QBuffer>
#include <QImage>

#include "content/sounds/synth.h"
#include "content/sounds/wave_file.h"

namespace samplecd {

std::string dosText(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 20);
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

std::uint32_t nameSeed(std::string_view name) {
  std::uint32_t hash = 2166136261u;
  for (unsigned char c : name) hash = (hash ^ c) * 16777619u;
  return hash;
}

std::string binaryData(std::string_view tag, std::size_t size) {
  std::string out = "NORVANE ";
  out += tag;
  out += '\x1a';
  std::uint32_t state = nameSeed(tag) | 1u;
  while (out.size() < size) {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    out += static_cast<char>(state & 0xFFu);
  }
  out.resize(size);
  return out;
}

std::string waveSound(double seconds, double hz, std::uint32_t seed) {
  sounds::Signal signal(seconds, seed);
  signal.tone(0.0, seconds, hz, hz * 1.02, 0.8, 0.0, 0.004);
  signal.noise(0.0, seconds, 0.15, 0.0, 0.3, 0.004);
  signal.normalise(0.5);
  const auto samples = sounds::toPcm16(signal);
  const auto image = sounds::waveImage(samples, sounds::kSampleRate);
  return std::string(image.begin(), image.end());
}

std::string bmpTile(int side, std::uint32_t seed) {
  QImage image(side, side, QImage::Format_RGB888);
  const int red = 150 + static_cast<int>(seed % 80);
  const int green = 110 + static_cast<int>((seed >> 8) % 60);
  const int blue = 60 + static_cast<int>((seed >> 16) % 50);
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      const int shade = ((x * 7 + y * 13 + static_cast<int>(seed >> 24)) % 23) - 11;
      image.setPixel(x, y, qRgb(red + shade, green + shade, blue + shade));
    }
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "BMP");
  return bytes.toStdString();
}

std::string twoDigits(int n) {
  return n < 10 ? "0" + std::to_string(n) : std::to_string(n);
}

}  // namespace samplecd
