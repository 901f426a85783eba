#include "avi_writer.h"

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

// Bottom-up BGR rows, each padded to four bytes.
std::string dibFrame(const QImage& frame) {
  const QImage rgb = frame.convertToFormat(QImage::Format_RGB888);
  const int stride = (rgb.width() * 3 + 3) & ~3;
  std::string pixels;
  pixels.reserve(static_cast<std::size_t>(stride * rgb.height()));
  for (int y = rgb.height() - 1; y >= 0; --y) {
    const uchar* line = rgb.constScanLine(y);
    std::string row(static_cast<std::size_t>(stride), '\0');
    for (int x = 0; x < rgb.width(); ++x) {
      row[static_cast<std::size_t>(3 * x)] = static_cast<char>(line[3 * x + 2]);
      row[static_cast<std::size_t>(3 * x + 1)] = static_cast<char>(line[3 * x + 1]);
      row[static_cast<std::size_t>(3 * x + 2)] = static_cast<char>(line[3 * x]);
    }
    pixels += row;
  }
  return pixels;
}

}  // namespace

std::string aviVideo(const std::vector<QImage>& frames, int framesPerSecond) {
  if (frames.empty() || framesPerSecond <= 0) throw std::invalid_argument("no frames to write");
  const auto width = static_cast<std::uint32_t>(frames.front().width());
  const auto height = static_cast<std::uint32_t>(frames.front().height());
  const auto frameBytes = static_cast<std::uint32_t>(((width * 3 + 3) & ~3u) * height);
  const auto count = static_cast<std::uint32_t>(frames.size());

  Bytes main;  // avih
  for (std::uint32_t value : {1000000u / static_cast<std::uint32_t>(framesPerSecond),
                              frameBytes * static_cast<std::uint32_t>(framesPerSecond), 0u, 0x10u,
                              count, 0u, 1u, frameBytes, width, height, 0u, 0u, 0u, 0u})
    main.u32(value);

  Bytes stream;  // strh
  stream.fourcc("vids");
  stream.fourcc("DIB ");
  for (std::uint32_t value : {0u, 0u, 0u, 1u, static_cast<std::uint32_t>(framesPerSecond), 0u,
                              count, frameBytes, 0xFFFFFFFFu, 0u})
    stream.u32(value);
  for (std::uint32_t value : {0u, 0u, width, height}) stream.u16(static_cast<std::uint16_t>(value));

  Bytes format;  // strf: BITMAPINFOHEADER
  format.u32(40);
  format.u32(width);
  format.u32(height);
  format.u16(1);
  format.u16(24);
  for (std::uint32_t value : {0u, frameBytes, 0u, 0u, 0u, 0u}) format.u32(value);

  Bytes streamList;
  streamList.chunk("strh", stream.str());
  streamList.chunk("strf", format.str());
  Bytes header;
  header.chunk("avih", main.str());
  header.list("strl", streamList.str());

  Bytes movie;
  Bytes index;
  for (const QImage& frame : frames) {
    if (frame.size() != frames.front().size()) throw std::invalid_argument("frames differ in size");
    index.fourcc("00db");
    index.u32(0x10);  // key frame
    index.u32(static_cast<std::uint32_t>(movie.size() + 4));
    index.u32(frameBytes);
    movie.chunk("00db", dibFrame(frame));
  }

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
