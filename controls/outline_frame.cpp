#include "controls/outline_frame.h"

#include <QPainter>

TOutlineFrame::TOutlineFrame(const QString& name, TColor color, QWidget* parent)
    : QWidget(parent), color_(color) {
  setObjectName(name);
}

void TOutlineFrame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(toQColor(color_));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
