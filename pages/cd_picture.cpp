#include "pages/cd_picture.h"

#include <cstdio>

#include "platform/paths.h"
#include "platform/text_file.h"
#include "shell/jpeg_image.h"

namespace {

// The product's largest photograph is well below this; the decoder refuses huge pictures too.
constexpr std::size_t kMaxPictureBytes = 32 * 1024 * 1024;

}  // namespace

QImage LoadCdPicture(const QString& winPath) {
  const textfile::FileRead file =
      textfile::readRegularFile(platform::toHost(winPath.toStdString()), kMaxPictureBytes);
  QString why = QString::fromStdString(file.reason);
  QImage picture;
  if (file.ok()) {
    picture = LoadJpeg(QByteArray::fromStdString(file.bytes), &why, JpegDamage::Refuse);
  }
  if (picture.isNull()) {
    std::fprintf(stderr, "qtp: picture %s not shown: %s\n", qPrintable(winPath), qPrintable(why));
  }
  return picture;
}
