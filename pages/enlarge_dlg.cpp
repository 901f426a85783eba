#include "pages/enlarge_dlg.h"

#include <QEvent>

#include "controls/image.h"
#include "controls/panel.h"
#include "pages/cd_picture.h"
#include "platform/files.h"
#include "shell/layout.h"

namespace {

constexpr QSize kDesignSize(640, 483);

}  // namespace

TEnlargeDLG::TEnlargeDLG(QWidget* owner) : TShellForm(QStringLiteral("TEnlargeDLG"), owner) {
  Panel1 =
      new TPanel(QStringLiteral("Panel1"),
                 {.bevelInner = TPanelBevel::Lowered, .bevelWidth = 2, .borderWidth = 1}, this);
  Image1 = new TImage(QStringLiteral("Image1"), Panel1);
  Image1->setHandCursor(true);
  connect(Image1, &TImage::clicked, this, &QDialog::accept);
  Panel1->setGeometry(QRect(QPoint(0, 0), kDesignSize));
  Image1->setGeometry(Panel1->clientArea());
  setFixedSize(kDesignSize);
}

void TEnlargeDLG::showPicture(const QImage& picture) {
  Image1->setPicture(picture);
  const QRect inside = Panel1->clientArea();
  const QSize frame = Panel1->size() - inside.size();
  Panel1->resize(picture.size() + frame);
  Image1->setGeometry(QRect(inside.topLeft(), picture.size()));
  setFixedSize(Panel1->size());
  CentreOnScreen(this);
}

bool TEnlargeDLG::event(QEvent* event) {
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
    event->accept();
    if (event->type() == QEvent::KeyPress) accept();
    return true;
  }
  return TShellForm::event(event);
}

void ShowEnlarged(const QString& winPath) {
  if (!platform::fileExists(winPath.toStdString())) return;
  const QImage picture = LoadCdPicture(winPath);
  if (picture.isNull()) return;
  TEnlargeDLG view;
  view.showPicture(picture);
  view.exec();
}
