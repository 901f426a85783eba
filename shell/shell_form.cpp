#include "shell/shell_form.h"

#include <QKeyEvent>

#include "controls/fonts.h"

TShellForm::TShellForm(const QString& formName, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName(formName);
  setFont(ArialFont(13, true));
}

void TShellForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}
