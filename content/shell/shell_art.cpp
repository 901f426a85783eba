#include "shell_art.h"

#include <algorithm>

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include "placement_art.h"

namespace content {

namespace {

QFont boldFont(int pixelSize) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setBold(true);
  font.setPixelSize(pixelSize);
  return font;
}

// Sky over a desert floor with mesas on the horizon; every picture of the shell starts here.
void paintLandscape(QPainter& painter, QSize size, QColor skyTop, QColor skyBottom) {
  const int horizon = size.height() * 53 / 100;
  QLinearGradient sky(0, 0, 0, horizon);
  sky.setColorAt(0.0, skyTop);
  sky.setColorAt(1.0, skyBottom);
  painter.fillRect(QRect(0, 0, size.width(), horizon), sky);

  QLinearGradient ground(0, horizon, 0, size.height());
  ground.setColorAt(0.0, QColor(196, 140, 88));
  ground.setColorAt(1.0, QColor(120, 78, 44));
  painter.fillRect(QRect(0, horizon, size.width(), size.height() - horizon), ground);

  const qreal w = size.width();
  const qreal h = horizon;
  const QPolygonF mesas({{0, h},
                         {w * 0.08, h - 38},
                         {w * 0.20, h - 40},
                         {w * 0.24, h - 12},
                         {w * 0.55, h - 14},
                         {w * 0.60, h - 52},
                         {w * 0.74, h - 55},
                         {w * 0.79, h - 20},
                         {w, h - 24},
                         {w, h}});
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(140, 70, 50));
  painter.drawPolygon(mesas);
}

void paintRunway(QPainter& painter, QSize size) {
  const qreal w = size.width();
  const qreal top = size.height() * 0.53;
  const qreal bottom = size.height();
  const qreal centre = w * 0.55;
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(70, 70, 74));
  painter.drawPolygon(QPolygonF({{centre - 8, top},
                                 {centre + 8, top},
                                 {centre + w * 0.30, bottom},
                                 {centre - w * 0.30, bottom}}));
  painter.setBrush(QColor(235, 235, 225));
  for (int dash = 0; dash < 7; ++dash) {
    const qreal t0 = dash / 7.0 + 0.02;
    const qreal t1 = t0 + 0.05;
    const qreal y0 = top + (bottom - top) * t0 * t0;
    const qreal y1 = top + (bottom - top) * t1 * t1;
    const qreal half0 = 0.5 + 3 * t0;
    const qreal half1 = 0.5 + 3 * t1;
    painter.drawPolygon(QPolygonF(
        {{centre - half0, y0}, {centre + half0, y0}, {centre + half1, y1}, {centre - half1, y1}}));
  }
}

// The glare shield along the bottom edge; the menu's lower controls stand on it.
void paintGlareShield(QPainter& painter, QSize size) {
  const int top = size.height() - size.height() / 7;
  QPainterPath shield;
  shield.moveTo(0, size.height());
  shield.lineTo(0, top + 10);
  shield.quadTo(size.width() / 2.0, top - 25, size.width(), top + 10);
  shield.lineTo(size.width(), size.height());
  shield.closeSubpath();
  painter.fillPath(shield, QColor(34, 34, 38));
}

bool isButton(const QString& name) {
  return name.endsWith(QLatin1String("Btn"));
}

// The whole place is tinted faintly; its name stands on a compact badge in the first corner
// that no button or hover label covers.
void paintSignboard(QPainter& painter, const Signboard& sign, QRect bounds,
                    const std::vector<QRect>& avoid) {
  QColor tint = sign.colour;
  tint.setAlpha(60);
  painter.setPen(QPen(sign.colour.darker(150), 1));
  painter.setBrush(tint);
  painter.drawRoundedRect(bounds.adjusted(1, 1, -1, -1), 8, 8);
  const int height = qMin(bounds.height(), 36);
  const QFont font = boldFont(qBound(11, height / 2, 18));
  const int width = qMin(bounds.width(), QFontMetrics(font).horizontalAdvance(sign.label) + 28);
  const QSize badgeSize(width, height);
  const QRect corners[] = {
      QRect(QPoint(bounds.right() - width + 1, bounds.top()), badgeSize),
      QRect(QPoint(bounds.right() - width + 1, bounds.bottom() - height + 1), badgeSize),
      QRect(bounds.topLeft(), badgeSize),
      QRect(QPoint(bounds.left(), bounds.bottom() - height + 1), badgeSize),
  };
  const auto clear = [&avoid](const QRect& badge) {
    return std::none_of(avoid.begin(), avoid.end(),
                        [&badge](const QRect& r) { return r.intersects(badge); });
  };
  const QRect* badge = std::find_if(std::begin(corners), std::end(corners), clear);
  if (badge == std::end(corners)) badge = corners;
  QColor fill = sign.colour;
  fill.setAlpha(210);
  painter.setPen(QPen(sign.colour.darker(180), 2));
  painter.setBrush(fill);
  painter.drawRoundedRect(badge->adjusted(2, 2, -2, -2), 8, 8);
  painter.setFont(font);
  painter.setPen(QColor(250, 246, 230));
  painter.drawText(*badge, Qt::AlignCenter, sign.label);
}

// The title in the page's lettering with a drop shadow.
void paintTitle(QPainter& painter, QRect box, const QString& title) {
  painter.setPen(QColor(0, 0, 0, 120));
  painter.drawText(box.translated(2, 2), Qt::AlignCenter, title);
  painter.setPen(QColor(255, 240, 200));
  painter.drawText(box, Qt::AlignCenter, title);
}

}  // namespace

QImage drawMainMenu(QSize size, const std::vector<Signboard>& signs, const PlacedControls& placed) {
  QImage image(size, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  paintLandscape(painter, size, QColor(28, 72, 150), QColor(238, 190, 130));
  paintRunway(painter, size);
  paintGlareShield(painter, size);
  painter.setTransform(panelToPicture(size));
  painter.setFont(boldFont(size.height() / 9));
  painter.setPen(QColor(255, 236, 170));
  painter.drawText(QRect(16, 8, size.width() / 3, size.height() / 6), Qt::AlignLeft | Qt::AlignTop,
                   QStringLiteral("QTP"));
  std::vector<QRect> buttons;
  std::vector<QRect> labels;
  for (const PlacedControl& control : placed.all()) {
    if (isButton(control.name)) buttons.push_back(control.rect);
    if (control.name.endsWith(QLatin1String("Label"))) labels.push_back(control.rect);
  }
  for (const QRect& button : buttons) paintButtonShadow(painter, button);
  std::vector<QRect> avoid = buttons;
  for (const QRect& label : labels) avoid.push_back(label.adjusted(-8, -3, 10, 3));
  avoid.push_back(placed.rect(QStringLiteral("NVImage")));
  for (const Signboard& sign : signs)
    paintSignboard(painter, sign, placed.rect(QString::fromLatin1(sign.place)), avoid);
  for (const QRect& label : labels) paintLabelRail(painter, label);
  return image;
}

QImage drawLogo(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient back(0, 0, 0, size.height());
  back.setColorAt(0.0, QColor(16, 40, 96));
  back.setColorAt(1.0, QColor(6, 16, 48));
  painter.fillRect(image.rect(), back);
  QPainterPath wing;
  wing.moveTo(size.width() * 0.04, size.height() * 0.75);
  wing.quadTo(size.width() * 0.45, size.height() * 0.05, size.width() * 0.96, size.height() * 0.3);
  wing.quadTo(size.width() * 0.45, size.height() * 0.25, size.width() * 0.04, size.height() * 0.75);
  painter.fillPath(wing, QColor(200, 160, 40));
  painter.setFont(boldFont(size.height() * 6 / 10));
  painter.setPen(QColor(240, 240, 250));
  painter.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("NORVANE"));
  return image;
}

QImage drawMessageBackground(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  QPainter painter(&image);
  QLinearGradient metal(0, 0, size.width(), size.height());
  metal.setColorAt(0.0, QColor(96, 104, 116));
  metal.setColorAt(0.5, QColor(52, 58, 68));
  metal.setColorAt(1.0, QColor(84, 90, 102));
  painter.fillRect(image.rect(), metal);
  painter.setPen(QColor(255, 255, 255, 24));
  for (int x = 0; x < size.width(); x += 12) painter.drawLine(x, 0, x, size.height());
  painter.setPen(QColor(0, 0, 0, 60));
  for (int corner = 0; corner < 4; ++corner) {
    const int x = corner % 2 == 0 ? 5 : size.width() - 9;
    const int y = corner < 2 ? 5 : size.height() - 9;
    painter.setBrush(QColor(150, 150, 160));
    painter.drawEllipse(x, y, 4, 4);
  }
  return image;
}

QImage drawPage(QSize size, const PageTheme& theme, const PlacedControls& placed) {
  QImage image(size, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  paintLandscape(painter, size, theme.skyTop, theme.skyBottom);
  painter.setTransform(panelToPicture(size));
  std::vector<QRect> occupied;
  for (const PlacedControl& control : placed.all()) {
    if (control.name == QLatin1String("Panel1")) continue;
    occupied.push_back(control.rect);
    // The logo shows only while the pointer is over its place; nothing lies beneath it.
    if (control.name == QLatin1String("NVImage")) continue;
    if (isButton(control.name))
      paintButtonShadow(painter, control.rect);
    else
      paintRecess(painter, control.rect);
  }
  const QRect inside = QRect(QPoint(0, 0), size).adjusted(12, 8, -12, -8);
  const QString title = QString::fromUtf8(theme.title);
  painter.setFont(boldFont(size.height() / 14));
  const QSize titleSize =
      QFontMetrics(painter.font()).size(Qt::TextSingleLine, title) + QSize(8, 4);
  const QRect titleBox = freeSpot(titleSize, inside, occupied, size.width() / 2, 10);
  if (!titleBox.isNull()) {
    paintTitle(painter, titleBox, title);
    occupied.push_back(titleBox);
  }
  // The motif takes the largest free place it finds, towards the right.
  for (const qreal scale : {1.0, 0.8, 0.6, 0.45}) {
    const QSize motif(qRound(size.width() * 0.3 * scale), qRound(size.height() * 0.26 * scale));
    const QRect spot = freeSpot(motif, inside, occupied, size.width(), 12);
    if (spot.isNull()) continue;
    theme.motif(painter, spot);
    break;
  }
  return image;
}

void paintChecklist(QPainter& painter, QRect area) {
  painter.setPen(QPen(QColor(60, 50, 30), 2));
  painter.setBrush(QColor(245, 235, 200));
  painter.drawRect(area.adjusted(area.width() / 4, 0, -area.width() / 4, 0));
  for (int line = 1; line < 7; ++line) {
    const int y = area.top() + line * area.height() / 7;
    painter.drawLine(area.left() + area.width() * 3 / 10, y, area.right() - area.width() * 3 / 10,
                     y);
  }
}

void paintCertificate(QPainter& painter, QRect area) {
  painter.setPen(QPen(QColor(150, 110, 20), 4));
  painter.setBrush(QColor(250, 244, 220));
  painter.drawRect(area);
  painter.setBrush(QColor(190, 30, 30));
  painter.setPen(Qt::NoPen);
  const int seal = area.height() / 3;
  painter.drawEllipse(area.right() - seal - 8, area.bottom() - seal - 8, seal, seal);
}

void paintAircraft(QPainter& painter, QRect area) {
  const QPointF c = QRectF(area).center();
  const qreal s = area.width() / 2.0;
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(235, 235, 240));
  painter.drawPolygon(QPolygonF({{c.x() - s, c.y()},
                                 {c.x() + s * 0.9, c.y() - s * 0.06},
                                 {c.x() + s, c.y()},
                                 {c.x() + s * 0.9, c.y() + s * 0.06}}));
  painter.drawPolygon(QPolygonF({{c.x() - s * 0.1, c.y()},
                                 {c.x() + s * 0.15, c.y() - s * 0.5},
                                 {c.x() + s * 0.3, c.y() - s * 0.5},
                                 {c.x() + s * 0.2, c.y()}}));
  painter.drawPolygon(QPolygonF({{c.x() - s * 0.85, c.y()},
                                 {c.x() - s * 0.8, c.y() - s * 0.25},
                                 {c.x() - s * 0.7, c.y() - s * 0.25},
                                 {c.x() - s * 0.7, c.y()}}));
}

void paintMesas(QPainter& painter, QRect area) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(170, 80, 50));
  painter.drawPolygon(
      QPolygonF({QPointF(area.bottomLeft()),
                 {area.left() + area.width() * 0.2, area.top() + area.height() * 0.3},
                 {area.left() + area.width() * 0.5, area.top() + area.height() * 0.3},
                 {area.left() + area.width() * 0.6, area.top() + area.height() * 0.6},
                 {area.left() + area.width() * 0.9, area.top() + area.height() * 0.55},
                 QPointF(area.bottomRight())}));
}

void paintPhotoFrames(QPainter& painter, QRect area) {
  for (int i = 0; i < 3; ++i) {
    const QRect photo(area.left() + i * area.width() / 4, area.top() + i * area.height() / 6,
                      area.width() / 2, area.height() / 2);
    painter.setPen(QPen(QColor(250, 250, 250), 4));
    painter.setBrush(QColor(60 + 50 * i, 110, 170 - 40 * i));
    painter.drawRect(photo);
  }
}

void paintStars(QPainter& painter, QRect area) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 250, 210));
  for (int i = 0; i < 24; ++i) {
    const int x = area.left() + (i * 37) % area.width();
    const int y = area.top() + (i * 53) % area.height();
    painter.drawEllipse(QPoint(x, y), 2 + i % 3, 2 + i % 3);
  }
}

void paintBanner(QPainter& painter, QRect area) {
  painter.setPen(QPen(QColor(30, 30, 30), 2));
  painter.drawLine(area.topLeft(), area.bottomLeft());
  painter.setBrush(QColor(30, 110, 60));
  painter.drawRect(area.left(), area.top(), area.width() - 10, area.height() / 2);
}

void paintQuestionMark(QPainter& painter, QRect area) {
  painter.setPen(QColor(255, 230, 120));
  painter.setFont(boldFont(area.height()));
  painter.drawText(area, Qt::AlignCenter, QStringLiteral("?"));
}

}  // namespace content
