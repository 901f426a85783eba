#include "avi_writer.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

namespace samplecd {

namespace {

class Bytes {
 public:
  void fourcc(const char* code) { text_.append(code, 4); }
  void u32(std::uint32_t value) {
    for (int i = 0; i < 4; ++i) text_ += static_cast<char>((value >> (8 * i)) & 0xFFu);
  }
  void u16(std::uint16_t value) {
    text_ += static_cast<char>(value & 0xFFu);
    text_ += static_cast<char>(value >> 8);
  }
  void raw(const std::string& bytes) { text_ += bytes; }
  // fourcc, size, content (padded to an even size).
  void chunk(const char* code, const std::string& content) {
    fourcc(code);
    u32(static_cast<std::uint32_t>(content.size()));
    raw(content);
    if (content.size() % 2 != 0) text_ += '\0';
  }
  void list(const char* type, const std::string& content) {
    fourcc("LIST");
    u32(static_cast<std::uint32_t>(content.size() + 4));
    fourcc(type);
    raw(content);
  }
  const std::string& str() const { return text_; }
  std::size_t size() const { return text_.size(); }

 private:
  std::string text_;
};

// Bottom-up rows of runs (count, index), each row ending in an end-of-line escape and the
// frame in an end-of-bitmap escape; every pixel is written, so each frame is a key frame.
std::string rle8Frame(const QImage& frame) {
  constexpr int kLongestRun = 255;
  std::string runs;
  for (int y = frame.height() - 1; y >= 0; --y) {
    const uchar* line = frame.constScanLine(y);
    for (int x = 0; x < frame.width();) {
      int length = 1;
      while (x + length < frame.width() && length < kLongestRun && line[x + length] == line[x])
        ++length;
      runs += static_cast<char>(length);
      runs += static_cast<char>(line[x]);
      x += length;
    }
    runs.append("\0\0", 2);
  }
  runs.append("\0\1", 2);
  return runs;
}

}  // namespace

std::string aviVideo(const std::vector<QImage>& frames, int framesPerSecond) {
  if (frames.empty() || framesPerSecond <= 0) throw std::invalid_argument("no frames to write");
  const QImage& first = frames.front();
  const QList<QRgb> palette = first.colorTable();
  if (first.format() != QImage::Format_Indexed8 || palette.isEmpty() || palette.size() > 256)
    throw std::invalid_argument("frames must be 8-bit palette images");
  const auto width = static_cast<std::uint32_t>(first.width());
  const auto height = static_cast<std::uint32_t>(first.height());
  const auto count = static_cast<std::uint32_t>(frames.size());
  const auto rate = static_cast<std::uint32_t>(framesPerSecond);

  Bytes movie;
  Bytes index;
  std::uint32_t largest = 0;
  for (const QImage& frame : frames) {
    if (frame.size() != first.size() || frame.format() != first.format() ||
        frame.colorTable() != palette)
      throw std::invalid_argument("frames differ in size or colours");
    const std::string runs = rle8Frame(frame);
    const auto bytes = static_cast<std::uint32_t>(runs.size());
    largest = std::max(largest, bytes);
    index.fourcc("00dc");
    index.u32(0x10);  // key frame
    index.u32(static_cast<std::uint32_t>(movie.size() + 4));
    index.u32(bytes);
    movie.chunk("00dc", runs);
  }

  Bytes main;  // avih
  for (std::uint32_t value : {1000000u / rate, largest * rate, 0u, 0x10u, count, 0u, 1u, largest,
                              width, height, 0u, 0u, 0u, 0u})
    main.u32(value);

  Bytes stream;  // strh
  stream.fourcc("vids");
  stream.fourcc("mrle");
  for (std::uint32_t value : {0u, 0u, 0u, 1u, rate, 0u, count, largest, 0xFFFFFFFFu, 0u})
    stream.u32(value);
  for (std::uint32_t value : {0u, 0u, width, height}) stream.u16(static_cast<std::uint16_t>(value));

  Bytes format;  // strf: BITMAPINFOHEADER (BI_RLE8) and the palette
  format.u32(40);
  format.u32(width);
  format.u32(height);
  format.u16(1);
  format.u16(8);
  for (std::uint32_t value :
       {1u, width * height, 0u, 0u, static_cast<std::uint32_t>(palette.size()), 0u})
    format.u32(value);
  for (QRgb colour : palette)
    format.u32(
        static_cast<std::uint32_t>(qBlue(colour) | qGreen(colour) << 8 | qRed(colour) << 16));

  Bytes streamList;
  streamList.chunk("strh", stream.str());
  streamList.chunk("strf", format.str());
  Bytes header;
  header.chunk("avih", main.str());
  header.list("strl", streamList.str());

  Bytes body;
  body.fourcc("AVI ");
  body.list("hdrl", header.str());
  body.list("movi", movie.str());
  body.chunk("idx1", index.str());
  Bytes file;
  file.fourcc("RIFF");
  file.u32(static_cast<std::uint32_t>(body.size()));
  file.raw(body.str());
  return file.str();
}

}  // namespace samplecd
