#include "placement_art.h"

#include <QColor>
#include <algorithm>
#include <cstdlib>

#include "shell/page_frame_places.h"

namespace content {

namespace {

constexpr int kScanStep = 4;

qreal cornerRadius(QRect r) {
  return r.width() == r.height() ? r.width() / 2.0 : r.height() / 3.0;
}

}  // namespace

QTransform panelToPicture(QSize panel) {
  const QSize image = panel - QSize(2 * kPagePictureInset, 2 * kPagePictureInset);
  return QTransform::fromTranslate(-kPagePictureInset, -kPagePictureInset) *
         QTransform::fromScale(qreal(panel.width()) / image.width(),
                               qreal(panel.height()) / image.height());
}

void paintButtonShadow(QPainter& painter, QRect button) {
  painter.save();
  painter.setPen(Qt::NoPen);
  // Growing, ever fainter layers make the soft edge.
  for (int spread = 6; spread >= 1; --spread) {
    painter.setBrush(QColor(0, 0, 0, 22));
    const QRect layer = button.translated(3, 4).adjusted(-spread, -spread, spread, spread);
    const qreal radius = cornerRadius(button) + spread;
    painter.drawRoundedRect(layer, radius, radius);
  }
  painter.restore();
}

void paintRecess(QPainter& painter, QRect control) {
  painter.save();
  const QRect bed = control.adjusted(-5, -5, 5, 5);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 70));
  painter.drawRoundedRect(bed, 6, 6);
  // Shade on the upper and left inner edge, light on the lower and right: a bed cut in.
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(0, 0, 0, 110), 2));
  painter.drawLine(bed.topLeft() + QPoint(4, 1), bed.topRight() + QPoint(-4, 1));
  painter.drawLine(bed.topLeft() + QPoint(1, 4), bed.bottomLeft() + QPoint(1, -4));
  painter.setPen(QPen(QColor(255, 255, 255, 80), 1));
  painter.drawLine(bed.bottomLeft() + QPoint(4, 0), bed.bottomRight() + QPoint(-4, 0));
  painter.drawLine(bed.topRight() + QPoint(0, 4), bed.bottomRight() + QPoint(0, -4));
  painter.restore();
}

void paintLabelRail(QPainter& painter, QRect label) {
  painter.save();
  const QRect rail = label.adjusted(-8, -3, 10, 3);
  painter.setPen(QPen(QColor(255, 255, 255, 45), 1));
  painter.setBrush(QColor(8, 12, 24, 175));
  painter.drawRoundedRect(rail, rail.height() / 2.0, rail.height() / 2.0);
  painter.restore();
}

QRect freeSpot(QSize size, QRect area, const std::vector<QRect>& occupied, int preferredX,
               int margin) {
  std::vector<int> lefts;
  for (int x = area.left(); x + size.width() <= area.right() + 1; x += kScanStep)
    lefts.push_back(x);
  const int wanted = preferredX - size.width() / 2;
  std::stable_sort(lefts.begin(), lefts.end(),
                   [wanted](int a, int b) { return std::abs(a - wanted) < std::abs(b - wanted); });
  for (int y = area.top(); y + size.height() <= area.bottom() + 1; y += kScanStep) {
    for (int x : lefts) {
      const QRect spot(QPoint(x, y), size);
      const QRect kept = spot.adjusted(-margin, -margin, margin, margin);
      if (std::none_of(occupied.begin(), occupied.end(),
                       [&kept](const QRect& r) { return r.intersects(kept); }))
        return spot;
    }
  }
  return {};
}

}  // namespace content
