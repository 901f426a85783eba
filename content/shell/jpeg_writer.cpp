#include "jpeg_writer.h"

#include <jpeglib.h>
#include <QFile>
#include <cstdio>

namespace content {

namespace {

// libjpeg reports fatal errors by calling error_exit, which must not return; we leave through
// an exception instead of longjmp so that no C++ object is skipped.
struct JpegError {
  QString message;
};

[[noreturn]] void throwOnError(j_common_ptr info) {
  char text[JMSG_LENGTH_MAX] = {};
  (*info->err->format_message)(info, text);
  throw JpegError{QString::fromLocal8Bit(text)};
}

}  // namespace

bool writeJpeg(const QImage& image, const QString& path, int quality, QString* why) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  FILE* file = std::fopen(QFile::encodeName(path).constData(), "wb");
  if (file == nullptr) {
    if (why) *why = QStringLiteral("cannot create %1").arg(path);
    return false;
  }
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  errors.error_exit = throwOnError;
  bool ok = true;
  try {
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
      // libjpeg takes non-const rows; the image is a private copy, so handing them out is safe.
      JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
      jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
  } catch (const JpegError& error) {
    if (why) *why = QStringLiteral("%1: %2").arg(path, error.message);
    ok = false;
  }
  jpeg_destroy_compress(&info);
  if (std::fclose(file) != 0 && ok) {
    if (why) *why = QStringLiteral("cannot finish %1").arg(path);
    ok = false;
  }
  if (!ok) QFile::remove(path);
  return ok;
}

}  // namespace content
