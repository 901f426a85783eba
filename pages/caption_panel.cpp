#include "pages/caption_panel.h"

#include <QPainter>

void TCaptionPanel::setCaption(const QString& caption) {
  caption_ = caption;
  update();
}

void TCaptionPanel::setCaptionLeftAligned(bool left) {
  alignment_ = left ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter;
  update();
}

void TCaptionPanel::paintEvent(QPaintEvent* event) {
  TPanel::paintEvent(event);
  QPainter painter(this);
  painter.setPen(Qt::black);
  painter.setFont(font());
  painter.drawText(clientArea(), alignment_, caption_);
}
