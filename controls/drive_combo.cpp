#include "controls/drive_combo.h"

#include "platform/drives.h"
#include "platform/volume_label.h"

namespace {

QString DriveText(const platform::Drive& drive) {
  QString text = QStringLiteral("%1:").arg(QLatin1Char(drive.letter));
  const std::string label = platform::volumeLabel(drive);
  if (!label.empty()) text += QStringLiteral(" [%1]").arg(QString::fromStdString(label));
  return text.toUpper();
}

}  // namespace

TDriveCombo::TDriveCombo(const QString& name, QWidget* parent) : QComboBox(parent) {
  setObjectName(name);
  // The letter rides along as the item's data: the text is no longer the letter alone.
  for (const platform::Drive& drive : platform::drives())
    addItem(DriveText(drive), QChar::fromLatin1(drive.letter));
}

QString TDriveCombo::chosenRoot() const {
  return currentIndex() < 0 ? QString() : currentData().toChar() + QStringLiteral(":\\");
}

void TDriveCombo::preset(QChar letter) {
  const int index = findData(letter.toUpper());
  if (index >= 0) setCurrentIndex(index);
}
