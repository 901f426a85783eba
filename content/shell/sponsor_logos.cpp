#include "sponsor_logos.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace content {

namespace {

enum class Emblem { Swoosh, Stripes, Wing, Ring, Film };

// One picture: a card in two colours, an emblem in the accent colour and up to two lines of
// text; a line's height is given in tenths of the picture's height.
struct LogoArt {
  const char* control;
  QSize size;
  QColor card, ink, accent;
  Emblem emblem;
  const char* title;
  int titleTenths;
  const char* subtitle;
};

const LogoArt kLogos[] = {
    {"BLPImage",
     {184, 103},
     QColor(250, 250, 244),
     QColor(20, 50, 120),
     QColor(230, 150, 20),
     Emblem::Swoosh,
     "BLP",
     4,
     "Partner der Flugschule"},
    {"RACImage",
     {185, 103},
     QColor(255, 255, 255),
     QColor(30, 30, 40),
     QColor(200, 20, 30),
     Emblem::Stripes,
     "RAYTHEON",
     3,
     "AIRCRAFT"},
    {"PiperImage",
     {185, 103},
     QColor(235, 242, 252),
     QColor(10, 40, 110),
     QColor(40, 110, 200),
     Emblem::Wing,
     "PIPER",
     4,
     "AIRCRAFT"},
    {"MVImage",
     {75, 75},
     QColor(20, 60, 130),
     QColor(255, 255, 255),
     QColor(240, 190, 40),
     Emblem::Ring,
     "MV",
     4,
     "MEROVAIR"},
    {"VideoImage",
     {83, 57},
     QColor(25, 25, 25),
     QColor(255, 255, 255),
     QColor(200, 170, 90),
     Emblem::Film,
     nullptr,
     0,
     nullptr},
};

QFont boldFont(int pixelSize) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setBold(true);
  font.setPixelSize(pixelSize);
  return font;
}

void paintEmblem(QPainter& painter, const LogoArt& art) {
  const qreal w = art.size.width(), h = art.size.height();
  painter.setPen(Qt::NoPen);
  painter.setBrush(art.accent);
  switch (art.emblem) {
    case Emblem::Swoosh: {
      QPainterPath swoosh({w * 0.1, h * 0.62});
      swoosh.quadTo(w * 0.5, h * 0.45, w * 0.9, h * 0.58);
      swoosh.quadTo(w * 0.5, h * 0.55, w * 0.1, h * 0.62);
      painter.drawPath(swoosh);
      break;
    }
    case Emblem::Stripes:
      for (int i = 0; i < 3; ++i)
        painter.drawRect(QRectF(w * 0.08, h * (0.6 + 0.06 * i), w * 0.84, h * 0.03));
      break;
    case Emblem::Wing:
      painter.drawPolygon(QPolygonF({{w * 0.12, h * 0.62},
                                     {w * 0.88, h * 0.56},
                                     {w * 0.80, h * 0.64},
                                     {w * 0.20, h * 0.68}}));
      break;
    case Emblem::Ring:
      painter.setPen(QPen(art.accent, w * 0.05));
      painter.setBrush(Qt::NoBrush);
      painter.drawEllipse(QRectF(w * 0.1, h * 0.05, w * 0.8, h * 0.66));
      break;
    case Emblem::Film: {
      // A strip of film with its sprocket holes and a play sign in the middle.
      painter.setBrush(art.accent);
      const int holes = 6;
      for (int i = 0; i < holes; ++i) {
        const QRectF hole(w * (i + 0.25) / holes, h * 0.06, w * 0.5 / holes, h * 0.12);
        painter.drawRect(hole);
        painter.drawRect(hole.translated(0, h * 0.76));
      }
      painter.setBrush(art.ink);
      painter.drawPolygon(
          QPolygonF({{w * 0.40, h * 0.30}, {w * 0.64, h * 0.5}, {w * 0.40, h * 0.70}}));
      break;
    }
  }
}

QImage drawLogo(const LogoArt& art) {
  QImage image(art.size, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient card(0, 0, 0, art.size.height());
  card.setColorAt(0, art.card.lighter(108));
  card.setColorAt(1, art.card.darker(108));
  painter.fillRect(image.rect(), card);
  painter.setPen(QPen(art.ink, 2));
  painter.drawRect(QRectF(image.rect()).adjusted(1, 1, -1, -1));
  paintEmblem(painter, art);

  const int h = art.size.height();
  painter.setPen(art.ink);
  if (art.title) {
    painter.setFont(boldFont(h * art.titleTenths / 10));
    painter.drawText(QRect(0, h / 20, art.size.width(), h / 2), Qt::AlignCenter,
                     QString::fromUtf8(art.title));
  }
  if (art.subtitle) {
    painter.setFont(boldFont(qMax(9, h * 12 / 100)));
    painter.drawText(QRect(0, h * 7 / 10, art.size.width(), h * 3 / 10 - 2), Qt::AlignCenter,
                     QString::fromUtf8(art.subtitle));
  }
  return image;
}

}  // namespace

std::vector<NamedPicture> drawSponsorPictures() {
  std::vector<NamedPicture> pictures;
  for (const LogoArt& art : kLogos)
    pictures.push_back({QStringLiteral("sponsors/%1.jpg").arg(art.control), drawLogo(art)});
  return pictures;
}

}  // namespace content
