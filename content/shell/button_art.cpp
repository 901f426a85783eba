#include "button_art.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace content {

namespace {

const QColor kSeeThrough(255, 255, 255);

// Pure white inside the shape would punch holes into the hit mask, so the face never reaches it.
QColor faceFor(const ButtonArt& art, ButtonState state) {
  switch (state) {
    case ButtonState::Down:
      return art.face.darker(135);
    case ButtonState::Over:
      return art.face.lighter(125);
    case ButtonState::Disabled:
      return QColor(128, 128, 128);
    case ButtonState::Up:
      break;
  }
  return art.face;
}

QPainterPath shapeOf(const ButtonArt& art) {
  QPainterPath path;
  const QRectF box(0, 0, art.size.width() - 1, art.size.height() - 1);
  if (art.shape == ButtonShape::Round) {
    path.addEllipse(box);
  } else {
    const qreal radius = art.size.height() / 3.0;
    path.addRoundedRect(box, radius, radius);
  }
  return path;
}

}  // namespace

QImage drawButton(const ButtonArt& art, ButtonState state) {
  QImage image(art.size, QImage::Format_RGB32);
  image.fill(kSeeThrough);
  QPainter painter(&image);
  // No antialiasing on the outline: blended edge pixels would be neither face nor see-through.
  painter.setRenderHint(QPainter::Antialiasing, false);
  const QColor face = faceFor(art, state);
  QLinearGradient shade(0, 0, 0, art.size.height());
  shade.setColorAt(0.0, face.lighter(140));
  shade.setColorAt(0.5, face);
  shade.setColorAt(1.0, face.darker(160));
  const QPainterPath shape = shapeOf(art);
  painter.fillPath(shape, shade);
  painter.setPen(QPen(face.darker(220), 2));
  painter.drawPath(shape);

  painter.setRenderHint(QPainter::TextAntialiasing, true);
  QFont font(QStringLiteral("Liberation Sans"));
  font.setBold(true);
  font.setPixelSize(art.shape == ButtonShape::Round ? art.size.height() / 3 : 15);
  painter.setFont(font);
  const QRect textBox = state == ButtonState::Down ? QRect(QPoint(1, 1), art.size) : image.rect();
  const QString caption = QString::fromUtf8(art.caption);
  if (state != ButtonState::Disabled) {
    painter.setPen(QColor(20, 20, 20));
    painter.drawText(textBox.translated(1, 1), Qt::AlignCenter, caption);
  }
  painter.setPen(state == ButtonState::Disabled ? QColor(190, 190, 190) : QColor(250, 240, 200));
  painter.drawText(textBox, Qt::AlignCenter, caption);
  painter.end();
  image.setPixelColor(0, art.size.height() - 1, kSeeThrough);
  return image;
}

}  // namespace content
