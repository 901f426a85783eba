#include "controls/compass.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr QSize kDefaultSize{184, 184};

int Trunc(double value) {
  return static_cast<int>(std::trunc(value));
}

}  // namespace

TCompass::TCompass(QWidget* parent) : QWidget(parent) {
  resize(kDefaultSize);
}

template <typename T>
void TCompass::change(T& field, T value) {
  if (field == value) return;
  field = value;
  update();
}

void TCompass::setHeading(int degrees) {
  heading_ = degrees;
  update();
}

void TCompass::setNeedleLength(int pixels) {
  change(needleLength_, pixels);
}
void TCompass::setNeedleWidth(int pixels) {
  change(needleWidth_, pixels);
}
void TCompass::setColor(TColor colour) {
  change(color_, colour);
}
void TCompass::setOuterCircleWidth(int pixels) {
  change(outerCircleWidth_, pixels);
}
void TCompass::setCenterCircleWidth(int pixels) {
  change(centerCircleWidth_, pixels);
}
void TCompass::setCenterCircleColor(TColor colour) {
  change(centerCircleColor_, colour);
}
void TCompass::setNeedleColor(TColor colour) {
  change(needleColor_, colour);
}

void TCompass::setSizeValue(int pixels) {
  if (pixels == size_) return;
  size_ = pixels;
  resize(pixels, pixels);
  update();
}

QRect TCompass::hubRect() const {
  const int inset = 4 + Trunc((width() - 8 - centerCircleWidth_) / 2.0);
  return QRect(QPoint(inset, inset), QPoint(width() - inset, height() - inset));
}

QPoint TCompass::needleStart() const {
  return {Trunc(width() / 2.0), Trunc(height() / 2.0)};
}

QPoint TCompass::needleEnd() const {
  const double theta = heading_ * std::numbers::pi / 180.0;
  const int s = Trunc(std::sin(theta) * needleLength_);
  const int c = Trunc(std::cos(theta) * needleLength_);
  return {Trunc(width() / 2.0 + s), height() - Trunc(height() / 2.0 + c)};
}

void TCompass::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // The hub's rectangle has exclusive right and bottom edges; Qt's outline covers both ends.
  const QRect hub = hubRect();
  painter.setPen(QPen(toQColor(centerCircleColor_), std::max(outerCircleWidth_, 0)));
  painter.setBrush(toQColor(color_));
  painter.drawEllipse(
      QRectF(hub.left(), hub.top(), hub.right() - hub.left() - 1, hub.bottom() - hub.top() - 1));
  painter.setPen(QPen(toQColor(needleColor_), std::max(needleWidth_, 0), Qt::SolidLine,
                      Qt::RoundCap, Qt::RoundJoin));
  painter.drawLine(needleStart(), needleEnd());
}
