#include "pages/info_memo.h"

InfoField MakeInfoField(const QString& panelName, QWidget* parent) {
  auto* panel = new TPanel(panelName, {.bevelInner = TPanelBevel::Lowered}, parent);
  auto* memo = new QPlainTextEdit(panel);
  memo->setObjectName(QStringLiteral("InfoMemo"));
  memo->setReadOnly(true);
  QPalette white = memo->palette();
  white.setColor(QPalette::Base, toQColor(clWhite));
  memo->setPalette(white);
  panel->setFillingChild(memo);
  return {panel, memo};
}

void ShowFromFirstLine(QPlainTextEdit* memo) {
  memo->setPlainText(memo->toPlainText());
}
