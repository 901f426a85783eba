#pragma once
// A drive choice: each drive as the drive box shows it with its text in upper case, the letter
// and, when the drive has one, its volume label in brackets ("D: [QTP]", "C:").
#include <QComboBox>

class TDriveCombo : public QComboBox {
  Q_OBJECT
  Q_PROPERTY(int itemIndex READ currentIndex WRITE setCurrentIndex)

 public:
  TDriveCombo(const QString& name, QWidget* parent);
  // The chosen drive's root, such as "D:\"; empty when there is no drive to choose.
  QString chosenRoot() const;
  void preset(QChar letter);
};
