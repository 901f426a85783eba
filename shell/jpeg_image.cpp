#include "shell/jpeg_image.h"

#include <QFile>
#include <csetjmp>
#include <cstdio>
#include <memory>
#include <vector>

#include <jpeglib.h>

namespace {

// Pictures beyond this are refused before any pixel memory is taken, so that a hostile header
// cannot make the program allocate gigabytes.
constexpr JDIMENSION kMaxSide = 16384;
constexpr unsigned long long kMaxPixels = 64ULL * 1024 * 1024;

// libjpeg reports fatal errors through error_exit, which must not return. Everything the
// decoder owns (state, row buffer, picture) lives in one heap object reached through a pointer
// that never changes after setjmp, and no frame between setjmp and longjmp owns anything, so
// jumping back leaves nothing half-destroyed.
struct DecodeContext {
  jpeg_decompress_struct cinfo{};
  jpeg_error_mgr errorManager{};
  std::jmp_buf jump{};
  char message[JMSG_LENGTH_MAX] = {};
  char warning[JMSG_LENGTH_MAX] = {};
  std::vector<JSAMPLE> row;
  QImage image;
  bool decoded = false;
};

void ErrorExit(j_common_ptr cinfo) {
  auto* context = static_cast<DecodeContext*>(cinfo->client_data);
  (*cinfo->err->format_message)(cinfo, context->message);
  std::longjmp(context->jump, 1);
}

// Warnings (for instance a truncated file) are kept, not printed: the caller decides whether a
// partial picture will do.
void OutputMessage(j_common_ptr cinfo) {
  auto* context = static_cast<DecodeContext*>(cinfo->client_data);
  (*cinfo->err->format_message)(cinfo, context->warning);
}

QRgb CmykToRgb(const JSAMPLE* p, bool inverted) {
  // Adobe writes CMYK JPEGs inverted; plain CMYK is the complement.
  int c = p[0], m = p[1], y = p[2], k = p[3];
  if (!inverted) {
    c = 255 - c;
    m = 255 - m;
    y = 255 - y;
    k = 255 - k;
  }
  return qRgb(c * k / 255, m * k / 255, y * k / 255);
}

bool Decode(DecodeContext* context, const QByteArray& data) {
  jpeg_decompress_struct* cinfo = &context->cinfo;
  jpeg_mem_src(cinfo, reinterpret_cast<const unsigned char*>(data.constData()),
               static_cast<unsigned long>(data.size()));
  jpeg_read_header(cinfo, TRUE);
  if (cinfo->image_width > kMaxSide || cinfo->image_height > kMaxSide ||
      static_cast<unsigned long long>(cinfo->image_width) * cinfo->image_height > kMaxPixels) {
    std::snprintf(context->message, sizeof context->message, "picture too large (%ux%u)",
                  cinfo->image_width, cinfo->image_height);
    return false;
  }
  const bool cmyk = cinfo->jpeg_color_space == JCS_CMYK || cinfo->jpeg_color_space == JCS_YCCK;
  cinfo->out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_start_decompress(cinfo);

  const int width = static_cast<int>(cinfo->output_width);
  const int height = static_cast<int>(cinfo->output_height);
  context->image = QImage(width, height, QImage::Format_RGB32);
  if (context->image.isNull()) {
    std::snprintf(context->message, sizeof context->message, "out of memory");
    return false;
  }
  const int components = cinfo->output_components;
  context->row.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(components), 0);
  JSAMPROW rows[1] = {context->row.data()};
  while (cinfo->output_scanline < cinfo->output_height) {
    const int y = static_cast<int>(cinfo->output_scanline);
    jpeg_read_scanlines(cinfo, rows, 1);
    auto* out = reinterpret_cast<QRgb*>(context->image.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const JSAMPLE* p = context->row.data() + x * components;
      out[x] = cmyk ? CmykToRgb(p, cinfo->saw_Adobe_marker) : qRgb(p[0], p[1], p[2]);
    }
  }
  jpeg_finish_decompress(cinfo);
  return true;
}

}  // namespace

QImage LoadJpeg(const QByteArray& data, QString* why, JpegDamage damage) {
  if (data.isEmpty()) {
    if (why) *why = QStringLiteral("empty file");
    return {};
  }
  auto context = std::make_unique<DecodeContext>();
  context->cinfo.err = jpeg_std_error(&context->errorManager);
  context->errorManager.error_exit = ErrorExit;
  context->errorManager.output_message = OutputMessage;
  context->cinfo.client_data = context.get();
  jpeg_create_decompress(&context->cinfo);

  if (setjmp(context->jump) == 0) context->decoded = Decode(context.get(), data);
  const long warnings = context->errorManager.num_warnings;
  jpeg_destroy_decompress(&context->cinfo);
  if (context->decoded && warnings > 0 && damage == JpegDamage::Refuse) {
    if (why) *why = QString::fromLocal8Bit(context->warning);
    return {};
  }
  if (!context->decoded) {
    if (why) *why = QString::fromLocal8Bit(context->message);
    return {};
  }
  return context->image;
}

QImage LoadJpegFile(const QString& path, QString* why) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (why) *why = file.errorString();
    return {};
  }
  return LoadJpeg(file.readAll(), why);
}
