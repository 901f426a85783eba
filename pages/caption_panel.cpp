#include "pages/caption_panel.h"

#include <QPainter>

void TCaptionPanel::setCaption(const QString& caption) {
  caption_ = caption;
  update();
}

void TCaptionPanel::paintEvent(QPaintEvent* event) {
  TPanel::paintEvent(event);
  QPainter painter(this);
  painter.setPen(Qt::black);
  painter.setFont(font());
  painter.drawText(clientArea(), Qt::AlignCenter, caption_);
}
