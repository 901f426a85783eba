#pragma once
// A drive choice listing the drive letters in upper case.
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
