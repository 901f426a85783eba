#include "pages/cd_picture.h"

#include "platform/paths.h"
#include "platform/program_log.h"
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
    platform::logReport(QStringLiteral("picture %1 not shown: %2").arg(winPath, why).toStdString());
  }
  return picture;
}
