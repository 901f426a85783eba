// UIRES\GALERIA\QTP_D2.AVI: the promotional video that the sponsors page plays, an aircraft
// crossing the desert with its shadow racing over the sand.
#include <QPainter>
#include <QPolygonF>
#include <cmath>
#include <vector>

#include "avi_writer.h"
#include "cd_parts.h"

namespace samplecd {

namespace {

constexpr QSize kFrameSize(320, 240);
constexpr int kFramesPerSecond = 12;
constexpr int kFrames = 4 * kFramesPerSecond;
constexpr int kHorizon = 150;

// Every colour of the film: the frames are drawn in these alone, so each maps exactly onto the
// palette and long runs of one colour keep the frames small.
enum Colour {
  Sky0,
  Sky1,
  Sky2,
  Sky3,
  Sky4,
  Sky5,
  Sun,
  Mesa,
  MesaShade,
  Sand0,
  Sand1,
  Sand2,
  Shadow,
  Cactus,
  Hull,
  Stripe,
  Canopy,
  Propeller,
  kColours
};
constexpr QRgb kPalette[kColours] = {
    0x1C4C8C, 0x2C64A4, 0x4480BC, 0x6C9CCC, 0x9CBCD8, 0xD8D4C0, 0xF8E070, 0xA0482C, 0x78341C,
    0xD8A468, 0xC89058, 0xB47C48, 0x7C5830, 0x3C7434, 0xF4F4F0, 0xC02028, 0x203050, 0x606060,
};

QColor colour(Colour c) {
  return QColor::fromRgb(kPalette[c]);
}

void paintDesert(QPainter& painter) {
  const int band = kHorizon / 6;
  for (int i = 0; i < 6; ++i)
    painter.fillRect(0, i * band, kFrameSize.width(), band, colour(static_cast<Colour>(Sky0 + i)));
  painter.setBrush(colour(Sun));
  painter.drawEllipse(QPoint(262, 38), 16, 16);
  painter.setBrush(colour(Mesa));
  painter.drawPolygon(QPolygon({{0, kHorizon}, {20, 118}, {70, 114}, {84, kHorizon}}));
  painter.drawPolygon(QPolygon({{170, kHorizon}, {196, 104}, {262, 100}, {292, kHorizon}}));
  painter.setBrush(colour(MesaShade));
  painter.drawPolygon(QPolygon({{70, 114}, {84, kHorizon}, {60, kHorizon}}));
  painter.drawPolygon(QPolygon({{262, 100}, {292, kHorizon}, {266, kHorizon}}));
  const int sandRows[] = {kHorizon, 172, 204, kFrameSize.height()};
  for (int i = 0; i < 3; ++i)
    painter.fillRect(0, sandRows[i], kFrameSize.width(), sandRows[i + 1] - sandRows[i],
                     colour(static_cast<Colour>(Sand0 + i)));
  painter.setBrush(colour(Cactus));
  for (const QPoint foot : {QPoint(40, 214), QPoint(232, 186), QPoint(300, 226)}) {
    painter.drawRect(foot.x() - 3, foot.y() - 26, 6, 26);
    painter.drawRect(foot.x() - 11, foot.y() - 18, 5, 10);
    painter.drawRect(foot.x() + 6, foot.y() - 22, 5, 12);
  }
}

// A high-wing single seen from the side, flying to the right; the propeller turns each frame.
void paintAircraft(QPainter& painter, QPointF nose, int frame) {
  const auto at = [nose](qreal x, qreal y) { return nose + QPointF(x, y); };
  painter.setBrush(colour(Hull));
  painter.drawPolygon(QPolygonF({at(0, -4), at(-14, -9), at(-52, -6), at(-66, -20), at(-72, -20),
                                 at(-70, 2), at(-14, 7), at(0, 4)}));
  painter.drawRect(QRectF(at(-36, -13), QSizeF(24, 4)));
  painter.setBrush(colour(Canopy));
  painter.drawPolygon(QPolygonF({at(-14, -9), at(-20, -15), at(-32, -15), at(-34, -7)}));
  painter.setBrush(colour(Stripe));
  painter.drawRect(QRectF(at(-66, -2), QSizeF(64, 3)));
  painter.drawRect(QRectF(at(-12, 7), QSizeF(2, 8)));
  painter.setBrush(colour(Propeller));
  const qreal blade = frame % 2 == 0 ? 14 : 6;
  painter.drawRect(QRectF(at(1, -blade), QSizeF(2, 2 * blade)));
}

QImage frameAt(int frame) {
  QImage image(kFrameSize, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setPen(Qt::NoPen);
  paintDesert(painter);
  const qreal travel = kFrameSize.width() + 110.0;
  const qreal x = -20 + travel * frame / (kFrames - 1);
  const qreal y = 78 + 6 * std::sin(frame * 0.2);
  painter.setBrush(colour(Shadow));
  painter.drawEllipse(QPointF(x - 34 - 0.2 * (y - 78), 196), 30, 3);
  paintAircraft(painter, {x, y}, frame);
  painter.end();
  return image.convertToFormat(QImage::Format_Indexed8,
                               QList<QRgb>(std::begin(kPalette), std::end(kPalette)),
                               Qt::ThresholdDither | Qt::AvoidDither);
}

}  // namespace

void writeSponsorVideo(const CdFolder& cd) {
  std::vector<QImage> frames;
  for (int i = 0; i < kFrames; ++i) frames.push_back(frameAt(i));
  cd.writeFile("UIRES\\GALERIA\\QTP_D2.AVI", aviVideo(frames, kFramesPerSecond));
}

}  // namespace samplecd
