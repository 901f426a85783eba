#include "gauge_art.h"

#include <QFont>
#include <QLineF>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace gaugeart {
namespace {

constexpr double kDegrees = 180.0 / std::numbers::pi;

struct Polar {
  double angle;  // radians, clockwise from the right (screen coordinates)
  double radius;
};

Polar polarOf(QPointF pivot, QPointF point) {
  const QPointF d = point - pivot;
  return {std::atan2(d.y(), d.x()), std::hypot(d.x(), d.y())};
}

QPointF pointAt(QPointF pivot, double angle, double radius) {
  return pivot + QPointF(std::cos(angle) * radius, std::sin(angle) * radius);
}

// Angles of consecutive marks, unwrapped so that the scale runs the short way between them.
std::vector<Polar> unwrapped(QPointF pivot, const std::vector<Mark>& marks) {
  std::vector<Polar> polars;
  for (const Mark& mark : marks) {
    Polar p = polarOf(pivot, mark.point);
    if (!polars.empty()) {
      while (p.angle - polars.back().angle > std::numbers::pi) p.angle -= 2 * std::numbers::pi;
      while (p.angle - polars.back().angle < -std::numbers::pi) p.angle += 2 * std::numbers::pi;
    }
    polars.push_back(p);
  }
  return polars;
}

Polar interpolate(const std::vector<Mark>& marks, const std::vector<Polar>& polars, double value) {
  for (std::size_t i = 1; i < marks.size(); ++i) {
    if (value <= marks[i].value || i + 1 == marks.size()) {
      const double span = marks[i].value - marks[i - 1].value;
      const double t = span != 0 ? std::clamp((value - marks[i - 1].value) / span, 0.0, 1.0) : 0;
      return {polars[i - 1].angle + t * (polars[i].angle - polars[i - 1].angle),
              polars[i - 1].radius + t * (polars[i].radius - polars[i - 1].radius)};
    }
  }
  return polars.front();
}

}  // namespace

QImage canvas(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(kSeeThrough);
  return image;
}

void movingImageHole(QPainter& painter, const QRect& hole) {
  painter.fillRect(hole, kSeeThrough);
}

QFont labelFont(double pixelSize, bool bold) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(std::max(6, static_cast<int>(std::lround(pixelSize))));
  font.setBold(bold);
  return font;
}

void text(QPainter& painter, const QRectF& box, const QString& label, double pixelSize,
          const QColor& colour, int flags) {
  painter.save();
  painter.setFont(labelFont(pixelSize));
  painter.setPen(colour);
  painter.drawText(box, flags, label);
  painter.restore();
}

QRectF centredBox(QPointF centre, double width, double height) {
  return {centre.x() - width / 2, centre.y() - height / 2, width, height};
}

void roundFace(QPainter& painter, QSizeF size) {
  const QRectF outer(0.5, 0.5, size.width() - 1, size.height() - 1);
  QRadialGradient ring(outer.center(), outer.width() / 2);
  ring.setColorAt(0.85, QColor(70, 72, 76));
  ring.setColorAt(1.0, QColor(150, 152, 156));
  painter.setPen(QPen(QColor(40, 40, 44), 1));
  painter.setBrush(ring);
  painter.drawEllipse(outer);
  const double inset = std::max(3.0, size.width() * 0.045);
  painter.setBrush(kFace);
  painter.drawEllipse(outer.adjusted(inset, inset, -inset, -inset));
}

void marksScale(QPainter& painter, QPointF pivot, const std::vector<Mark>& marks, int minorSteps,
                const QColor& colour) {
  if (marks.size() < 2) return;
  const std::vector<Polar> polars = unwrapped(pivot, marks);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  for (std::size_t i = 0; i < marks.size(); ++i) {
    const Polar p = polars[i];
    painter.setPen(QPen(colour, 2));
    painter.drawLine(pointAt(pivot, p.angle, p.radius), pointAt(pivot, p.angle, p.radius - 7));
    const double labelSize = std::clamp(p.radius / 6.0, 7.0, 12.0);
    text(painter, centredBox(pointAt(pivot, p.angle, p.radius - 7 - labelSize), 30, labelSize + 2),
         marks[i].label, labelSize, colour);
    if (i == 0) continue;
    for (int step = 1; step < minorSteps; ++step) {
      const double t = static_cast<double>(step) / minorSteps;
      const double angle = polars[i - 1].angle + t * (p.angle - polars[i - 1].angle);
      const double radius = polars[i - 1].radius + t * (p.radius - polars[i - 1].radius);
      painter.setPen(QPen(colour, 1));
      painter.drawLine(pointAt(pivot, angle, radius), pointAt(pivot, angle, radius - 4));
    }
  }
  painter.restore();
}

void marksBand(QPainter& painter, QPointF pivot, const std::vector<Mark>& marks, double from,
               double to, const QColor& colour, double width, double inset) {
  if (marks.size() < 2) return;
  const std::vector<Polar> polars = unwrapped(pivot, marks);
  QPainterPath path;
  constexpr int kSteps = 48;
  for (int step = 0; step <= kSteps; ++step) {
    const Polar p = interpolate(marks, polars, from + (to - from) * step / kSteps);
    const QPointF at = pointAt(pivot, p.angle, p.radius - inset);
    step == 0 ? path.moveTo(at) : path.lineTo(at);
  }
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(path);
  painter.restore();
}

void circularScale(QPainter& painter, QPointF centre, double radius, double startDeg,
                   double sweepDeg, int majors, int minorsPerMajor,
                   const std::vector<QString>& labels, const QColor& colour) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const int ticks = majors * minorsPerMajor;
  const bool closed = std::abs(sweepDeg) >= 360.0;
  const int last = closed ? ticks - 1 : ticks;
  for (int tick = 0; tick <= last; ++tick) {
    const double angle = (startDeg + sweepDeg * tick / ticks) / kDegrees;
    const bool major = tick % minorsPerMajor == 0;
    painter.setPen(QPen(colour, major ? 2 : 1));
    painter.drawLine(pointAt(centre, angle, radius),
                     pointAt(centre, angle, radius - (major ? 7 : 4)));
    const std::size_t index = static_cast<std::size_t>(tick / minorsPerMajor);
    if (major && index < labels.size()) {
      const double size = std::clamp(radius / 5.0, 7.0, 13.0);
      text(painter, centredBox(pointAt(centre, angle, radius - 8 - size * 0.7), 28, size + 2),
           labels[index], size, colour);
    }
  }
  painter.restore();
}

void centreCap(QPainter& painter, QPointF centre, double radius) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  QRadialGradient gradient(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
  gradient.setColorAt(0, QColor(120, 120, 124));
  gradient.setColorAt(1, QColor(20, 20, 22));
  painter.setPen(Qt::NoPen);
  painter.setBrush(gradient);
  painter.drawEllipse(centre, radius, radius);
  painter.restore();
}

void needle(QImage& image, QPoint pivot, const QColor& colour) {
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const double half = std::max(1.5, std::min(pivot.y(), image.height() - pivot.y()) * 0.55);
  const QPointF p(pivot);
  const double tip = image.width() - 1.0;
  const double tail = std::max(0.0, p.x() - std::max(4.0, p.x() * 0.9));
  QPolygonF shape({{tail, p.y() - half * 0.8},
                   {p.x(), p.y() - half},
                   {tip - half * 2, p.y() - half * 0.5},
                   {tip, p.y()},
                   {tip - half * 2, p.y() + half * 0.5},
                   {p.x(), p.y() + half},
                   {tail, p.y() + half * 0.8}});
  painter.setPen(QPen(colour.darker(140), 1));
  painter.setBrush(colour);
  painter.drawPolygon(shape);
  painter.setBrush(QColor(40, 40, 42));
  if (p.x() >= 0 && p.x() < image.width()) painter.drawEllipse(p, half, half);
}

void verticalPointer(QImage& image, QPoint pivot, const QColor& colour, bool doubleBar) {
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const double cx = pivot.x() + 0.5;
  const double w = image.width();
  const double h = image.height();
  painter.setPen(QPen(colour, doubleBar ? 1.5 : 2.5));
  if (doubleBar) {
    painter.drawLine(QPointF(cx - 2, 10), QPointF(cx - 2, h - 4));
    painter.drawLine(QPointF(cx + 2, 10), QPointF(cx + 2, h - 4));
  } else {
    painter.drawLine(QPointF(cx, 10), QPointF(cx, h - 4));
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawPolygon(QPolygonF({{cx, 0}, {cx + w / 2 - 0.5, 11}, {cx - w / 2 + 0.5, 11}}));
}

void compassCard(QImage& image, const QColor& ring) {
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(image.width() / 2.0 - 0.5, image.height() / 2.0 - 0.5);
  const double radius = std::min(image.width(), image.height()) / 2.0 - 1;
  painter.setPen(Qt::NoPen);
  painter.setBrush(ring);
  painter.drawEllipse(centre, radius, radius);
  painter.setBrush(kFace);
  painter.drawEllipse(centre, radius * 0.62, radius * 0.62);
  // Headings run clockwise from north at the top.
  const std::vector<QString> labels = {"N", "3",  "6",  "E", "12", "15",
                                       "S", "21", "24", "W", "30", "33"};
  circularScale(painter, centre, radius - 1, -90, 360, 12, 6, labels, kMarking);
}

void plate(QImage& image, const QColor& base, bool screws) {
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF r(0, 0, image.width(), image.height());
  painter.fillRect(r, base);
  painter.setPen(QPen(base.lighter(130), 1));
  painter.drawLine(r.topLeft(), r.topRight());
  painter.setPen(QPen(base.darker(150), 1));
  painter.drawLine(r.bottomLeft() - QPointF(0, 1), r.bottomRight() - QPointF(0, 1));
  if (!screws || image.width() < 30 || image.height() < 20) return;
  painter.setBrush(QColor(150, 150, 154));
  painter.setPen(QPen(QColor(50, 50, 54), 0.8));
  for (QPointF at : {QPointF(4.5, 4.5), QPointF(r.width() - 4.5, 4.5),
                     QPointF(4.5, r.height() - 4.5), QPointF(r.width() - 4.5, r.height() - 4.5)})
    painter.drawEllipse(at, 2.2, 2.2);
}

void lamp(QImage& image, const QColor& colour, const QString& label, bool lit) {
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF r(0.5, 0.5, image.width() - 1, image.height() - 1);
  const QColor lens = lit ? colour : colour.darker(400);
  QRadialGradient glow(r.center(), std::max(r.width(), r.height()) / 1.4);
  glow.setColorAt(0, lit ? lens.lighter(160) : lens);
  glow.setColorAt(1, lens);
  painter.setPen(QPen(QColor(60, 60, 64), 1));
  painter.setBrush(glow);
  painter.drawRoundedRect(r, 3, 3);
  if (!label.isEmpty())
    text(painter, r, label,
         std::min(r.height() * 0.5, r.width() / (static_cast<double>(label.size()) * 0.7 + 0.5)),
         lit ? kInk : QColor(90, 90, 90));
}

void flag(QImage& image, const QColor& colour, const QString& word) {
  QPainter painter(&image);
  const QRectF r(0, 0, image.width(), image.height());
  painter.fillRect(r, colour);
  painter.setPen(QPen(colour.darker(160), 1));
  painter.drawRect(r.adjusted(0, 0, -1, -1));
  if (!word.isEmpty())
    text(painter, r, word,
         std::min(r.height() * 0.7, r.width() / (static_cast<double>(word.size()) * 0.65 + 0.5)),
         QColor(250, 250, 250));
}

void toggleSwitch(QImage& image, bool up) {
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const double w = image.width();
  const double h = image.height();
  const QPointF centre(w / 2, h / 2);
  painter.setPen(QPen(QColor(30, 30, 32), 1));
  painter.setBrush(QColor(120, 122, 126));
  painter.drawEllipse(centre, w * 0.3, w * 0.3);
  const double tipY = up ? h * 0.08 : h * 0.92;
  const double lever = w * 0.16;
  painter.setBrush(QColor(215, 215, 210));
  painter.drawPolygon(QPolygonF({{centre.x() - lever * 0.6, centre.y()},
                                 {centre.x() + lever * 0.6, centre.y()},
                                 {centre.x() + lever, tipY},
                                 {centre.x() - lever, tipY}}));
  painter.drawEllipse(QPointF(centre.x(), tipY), lever * 1.2, lever * 0.8);
}

void rotaryKnob(QImage& image, double angleDeg, const QColor& body) {
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(image.width() / 2.0, image.height() / 2.0);
  const double radius = std::min(image.width(), image.height()) / 2.0 - 1;
  QRadialGradient gradient(centre - QPointF(radius / 3, radius / 3), radius * 1.5);
  gradient.setColorAt(0, body.lighter(150));
  gradient.setColorAt(1, body.darker(160));
  painter.setPen(QPen(body.darker(200), 1));
  painter.setBrush(gradient);
  painter.drawEllipse(centre, radius, radius);
  const double a = angleDeg / kDegrees;
  painter.setPen(QPen(QColor(245, 245, 240), std::max(1.5, radius / 5)));
  painter.drawLine(pointAt(centre, a, radius * 0.2), pointAt(centre, a, radius * 0.9));
}

QImage filledShape(int width, int height, const QPolygonF& shape, const QColor& colour) {
  QImage image = canvas(width, height);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawPolygon(shape);
  return image;
}

QImage knobImage(int width, int height, double angleDeg, const QColor& body) {
  QImage image = canvas(width, height);
  rotaryKnob(image, angleDeg, body);
  return image;
}

void pushButton(QImage& image, bool pressed, const QColor& cap, const QString& label) {
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF r(0.5, 0.5, image.width() - 1, image.height() - 1);
  painter.setPen(QPen(QColor(30, 30, 32), 1));
  painter.setBrush(QColor(60, 62, 66));
  painter.drawRoundedRect(r, 3, 3);
  const double inset = pressed ? r.width() * 0.2 : r.width() * 0.1;
  const QRectF capRect = r.adjusted(inset, inset, -inset, -inset);
  painter.setBrush(pressed ? cap.darker(140) : cap);
  painter.drawRoundedRect(capRect, 2, 2);
  if (!label.isEmpty())
    text(painter, capRect, label,
         std::min(capRect.height() * 0.3,
                  capRect.width() / (static_cast<double>(label.size()) * 0.7 + 0.5)),
         kMarking);
}

void displayCharacter(QImage& image, const QString& character, const QColor& colour) {
  QPainter painter(&image);
  const QRectF r(0, 0, image.width(), image.height());
  painter.fillRect(r, QColor(8, 8, 8));
  text(painter, r, character, r.height() * 0.95, colour);
}

}  // namespace gaugeart
