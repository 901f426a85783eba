#include "controls/image.h"

#include <QMouseEvent>
#include <QPainter>

TImage::TImage(const QString& name, QWidget* parent) : QWidget(parent) {
  setObjectName(name);
  setMouseTracking(true);
}

void TImage::setPicture(const QImage& picture) {
  picture_ = picture;
  update();
}

void TImage::setHandCursor(bool hand) {
  if (hand)
    setCursor(Qt::PointingHandCursor);
  else
    unsetCursor();
}

void TImage::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(rect(), picture_);
}

void TImage::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  emit mouseMoved(at.x(), at.y());
}

void TImage::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressed_ = true;
}

void TImage::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) return;
  pressed_ = false;
  if (rect().contains(event->position().toPoint())) emit clicked();
}
