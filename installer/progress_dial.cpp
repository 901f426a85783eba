#include "installer/progress_dial.h"

#include <QPainter>
#include <QtMath>

namespace {

constexpr int kMinorStep = 10;
constexpr int kMajorStep = 30;
const QColor kFace(24, 52, 72);
const QColor kRim(150, 160, 170);
const QColor kTick(220, 225, 230);

}  // namespace

QImage DrawProgressDial(QSize size, QPointF centre, double radius) {
  QImage dial(size, QImage::Format_RGB32);
  dial.fill(Qt::black);
  QPainter painter(&dial);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(kRim, 2));
  painter.setBrush(kFace);
  painter.drawEllipse(centre, radius, radius);
  for (int degrees = 0; degrees < 360; degrees += kMinorStep) {
    const bool major = degrees % kMajorStep == 0;
    const double angle = qDegreesToRadians(static_cast<double>(degrees));
    const QPointF direction(std::sin(angle), -std::cos(angle));
    const double inner = radius - (major ? 9.0 : 5.0);
    painter.setPen(QPen(kTick, major ? 2.0 : 1.0));
    painter.drawLine(centre + direction * inner, centre + direction * (radius - 2.0));
  }
  return dial;
}
