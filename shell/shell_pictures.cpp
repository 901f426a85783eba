#include "shell/shell_pictures.h"

#include <QFile>
#include <QSet>

#include "controls/jet_button.h"
#include "platform/program_log.h"
#include "shell/jpeg_image.h"

namespace {

void ReportOnce(const QString& resourcePath, const QString& why) {
  static QSet<QString> reported;
  if (reported.contains(resourcePath)) return;
  reported.insert(resourcePath);
  platform::logReport(
      QStringLiteral("picture %1 not shown: %2").arg(resourcePath, why).toStdString());
}

QImage ShellBitmap(const QString& resourcePath) {
  QImage bitmap;
  if (!QFile::exists(resourcePath))
    ReportOnce(resourcePath, QStringLiteral("missing"));
  else if (!bitmap.load(resourcePath, "BMP"))
    ReportOnce(resourcePath, QStringLiteral("not a readable bitmap"));
  return bitmap;
}

}  // namespace

QImage ShellPicture(const QString& resourcePath) {
  if (!QFile::exists(resourcePath)) {
    ReportOnce(resourcePath, QStringLiteral("missing"));
    return {};
  }
  QString why;
  QImage picture = LoadJpegFile(resourcePath, &why);
  if (picture.isNull()) ReportOnce(resourcePath, why);
  return picture;
}

QImage PagePicture(const QString& formName, bool large) {
  return ShellPicture(QStringLiteral(":/shell/pages/%1_%2.jpg")
                          .arg(formName, large ? QLatin1String("large") : QLatin1String("small")));
}

void LoadButtonBitmaps(TJetButton* button, const QString& role) {
  const auto bitmap = [&role](const char* state) {
    return ShellBitmap(QStringLiteral(":/shell/buttons/%1_%2.bmp").arg(role, QLatin1String(state)));
  };
  button->setBitmapUp(bitmap("up"));
  button->setBitmapDown(bitmap("down"));
  button->setBitmapOver(bitmap("over"));
  button->setBitmapDisabled(bitmap("disabled"));
}
