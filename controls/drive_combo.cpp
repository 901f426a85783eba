#include "controls/drive_combo.h"

#include "platform/drives.h"

TDriveCombo::TDriveCombo(const QString& name, QWidget* parent) : QComboBox(parent) {
  setObjectName(name);
  for (const platform::Drive& drive : platform::drives())
    addItem(QStringLiteral("%1:").arg(QChar::fromLatin1(drive.letter).toUpper()));
}

QString TDriveCombo::chosenRoot() const {
  return currentIndex() < 0 ? QString() : currentText() + QStringLiteral("\\");
}

void TDriveCombo::preset(QChar letter) {
  const int index = findText(QStringLiteral("%1:").arg(letter.toUpper()));
  if (index >= 0) setCurrentIndex(index);
}
