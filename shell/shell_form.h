#pragma once
// What every large form of the shell is: a borderless dialog in the forms' font (Arial 13 px
// bold) that has no cancel button, so Escape does not close it.
#include <QDialog>

class TShellForm : public QDialog {
  Q_OBJECT

 public:
  TShellForm(const QString& formName, QWidget* owner);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};
