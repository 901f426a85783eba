#include "panelhost/element_painter.h"

#include <QFontDatabase>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <numbers>
#include <tuple>
#include <vector>

namespace panelhost {
namespace {

// A string element's colours are Windows colour values 0x00BBGGRR.
QColor fromColorRef(std::uint32_t c) {
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                static_cast<int>((c >> 16) & 0xFF));
}

constexpr char kSevenSegmentFont[] = "/usr/share/fonts/truetype/dseg/DSEG7Classic-Regular.ttf";

const QImage& imageOf(BitmapSource& bitmaps, const ELEMENT_HEADER& e, int id) {
  return bitmaps.bitmap(id, e.image_flags & IMAGE_TRANSPARENT);
}

bool allFinite(std::initializer_list<double> values) {
  return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

QPointF at(PIXPOINT p) {
  return QPointF(p.x, p.y);
}

void paintStatic(QPainter& p, BitmapSource& b, const ELEMENT_HEADER& e, const ElementValues&,
                 QSize) {
  p.drawImage(at(e.position), imageOf(b, e, e.resource_id));
}

void paintNeedle(QPainter& p, BitmapSource& b, const ELEMENT_HEADER& e, const ElementValues& v,
                 QSize) {
  if (!v.needleDegrees) return;
  p.save();
  p.translate(at(e.position));
  p.rotate(*v.needleDegrees);
  p.drawImage(-at(e.ofs), imageOf(b, e, e.resource_id));
  p.restore();
}

void paintString(QPainter& p, BitmapSource&, const ELEMENT_HEADER& e, const ElementValues& v,
                 QSize) {
  const auto& s = reinterpret_cast<const ELEMENT_STRING&>(e);
  const QRect box(e.position.x, e.position.y, s.box_width, s.box_height);
  if (box.isEmpty()) return;
  p.fillRect(box, fromColorRef(s.bg_color));
  QFont font(sevenSegmentFamily());
  font.setPixelSize(std::max(1, s.box_height * 3 / 4));
  p.setFont(font);
  p.setPen(fromColorRef(s.fg_color));
  int align = 0;
  align |= (s.draw_text_flags & DRAW_TEXT_CENTER) ? Qt::AlignHCenter : Qt::AlignLeft;
  align |= (s.draw_text_flags & DRAW_TEXT_VCENTER) ? Qt::AlignVCenter : Qt::AlignTop;
  if (!(s.draw_text_flags & DRAW_TEXT_SINGLELINE)) align |= Qt::TextWordWrap;
  p.save();
  p.setClipRect(box);
  p.drawText(box, align, QString::fromLatin1(v.text.data(), static_cast<qsizetype>(v.text.size())));
  p.restore();
}

void paintSlider(QPainter& p, BitmapSource& b, const ELEMENT_HEADER& e, const ElementValues& v,
                 QSize) {
  const auto& s = reinterpret_cast<const ELEMENT_SLIDER&>(e);
  const double dx = v.value[0] * s.scale_x;
  const double dy = v.value[1] * s.scale_y;
  if (!allFinite({dx, dy})) return;
  p.drawImage(at(e.position) + QPointF(dx, dy), imageOf(b, e, e.resource_id));
}

void paintIcon(QPainter& p, BitmapSource& b, const ELEMENT_HEADER& e, const ElementValues& v,
               QSize) {
  const auto& icon = reinterpret_cast<const ELEMENT_ICON&>(e);
  const int index = iconIndex(v.value[0], icon.num_icons);
  if (index < 0) return;
  p.drawImage(at(e.position), imageOf(b, e, e.resource_id + index));
}

// How far an image slides for a value: the share of [low, high] the value has reached times the
// part of the image that does not fit its window.
double slide(double value, double low, double high, int imageLength, int windowLength) {
  const double span = high - low;
  if (!(std::abs(span) > 0) || imageLength <= windowLength) return 0;
  const double share = std::clamp((value - low) / span, 0.0, 1.0);
  return share * (imageLength - windowLength);
}

// The see-through pixels of the gauge's background connected to a point: the hole a moving image
// or a sprite shows through. Kept per background bitmap and point, since both are fixed.
struct Hole {
  QImage mask;  // opaque over the hole; null when the background is drawn at the point
  QRect bounds;
};

Hole computeHole(const QImage& background, QPoint seed) {
  const auto clear = [&](QPoint p) {
    return background.valid(p) && qAlpha(background.pixel(p)) == 0;
  };
  Hole hole;
  if (!clear(seed)) return hole;
  hole.mask = QImage(background.size(), QImage::Format_ARGB32_Premultiplied);
  hole.mask.fill(Qt::transparent);
  hole.mask.setPixel(seed, 0xFFFFFFFFu);
  hole.bounds = QRect(seed, QSize(1, 1));
  std::vector<QPoint> todo{seed};
  while (!todo.empty()) {
    const QPoint p = todo.back();
    todo.pop_back();
    for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
      const QPoint q = p + step;
      if (!clear(q) || hole.mask.pixel(q) != 0) continue;
      hole.mask.setPixel(q, 0xFFFFFFFFu);
      hole.bounds |= QRect(q, QSize(1, 1));
      todo.push_back(q);
    }
  }
  return hole;
}

const Hole& backgroundHole(BitmapSource& b, const ELEMENT_HEADER& e, QPoint seed) {
  static const Hole kNone;
  static std::map<std::tuple<qint64, int, int>, Hole> holes;
  const PELEMENT_HEADER* list = e.gauge_header ? e.gauge_header->elements_list : nullptr;
  if (!list || !*list) return kNone;
  const QImage& background = imageOf(b, **list, (*list)->resource_id);
  const auto key = std::make_tuple(background.cacheKey(), seed.x(), seed.y());
  auto found = holes.find(key);
  if (found == holes.end()) found = holes.emplace(key, computeHole(background, seed)).first;
  return found->second;
}

void paintMovingImage(QPainter& p, BitmapSource& b, const ELEMENT_HEADER& e, const ElementValues& v,
                      QSize gauge) {
  const auto& m = reinterpret_cast<const ELEMENT_MOVING_IMAGE&>(e);
  const QImage& image = imageOf(b, e, e.resource_id);
  if (!allFinite({v.value[0], v.value[1]}) || image.isNull()) return;
  // A background without a hole there lets the image run to the gauge's far edges.
  const Hole& hole = backgroundHole(b, e, QPoint(e.position.x, e.position.y));
  const QRect window = !hole.mask.isNull()
                           ? hole.bounds
                           : QRect(e.position.x, e.position.y, gauge.width() - e.position.x,
                                   gauge.height() - e.position.y);
  if (window.isEmpty()) return;
  const double sx = slide(v.value[0], m.min_x, m.max_x, image.width(), window.width());
  const double sy = slide(v.value[1], m.min_y, m.max_y, image.height(), window.height());
  p.save();
  p.setClipRect(window);
  p.drawImage(at(e.position) - QPointF(sx, sy), image);
  p.restore();
}

// The texture's middle sits on the texture centre, in gauge pixels; x and y shift the texture
// along its own axes, the angle (radians after scaling) turns it about that centre, the texture
// scales size it. It shows through the background's hole at its centre, or, where the background
// is drawn there, in the box from its position to the point opposite about the centre.
void paintSprite(QPainter& p, BitmapSource& b, const ELEMENT_HEADER& e, const ElementValues& v,
                 QSize gauge) {
  const auto& s = reinterpret_cast<const ELEMENT_SPRITE&>(e);
  const double dx = v.value[0] * s.scale_x;
  const double dy = v.value[1] * s.scale_y;
  const double radians = v.value[2] * s.scale_angle;
  const double tx = s.texture_scale_x != 0 ? s.texture_scale_x : 1.0;
  const double ty = s.texture_scale_y != 0 ? s.texture_scale_y : 1.0;
  if (!allFinite({dx, dy, radians, tx, ty})) return;
  const QImage& image = imageOf(b, e, e.resource_id);
  const QPoint centre(e.ofs.x, e.ofs.y);
  const auto drawTexture = [&](QPainter& painter) {
    painter.translate(centre);
    painter.rotate(radians * 180.0 / std::numbers::pi);
    painter.scale(tx, ty);
    painter.drawImage(QPointF(dx - image.width() / 2.0, dy - image.height() / 2.0), image);
  };
  const Hole& hole = backgroundHole(b, e, centre);
  if (hole.mask.isNull()) {
    const QPoint corner(e.position.x, e.position.y);
    p.save();
    p.setClipRect(QRect(corner, 2 * centre - corner).normalized() & QRect(QPoint(0, 0), gauge));
    drawTexture(p);
    p.restore();
    return;
  }
  QImage layer(hole.mask.size(), QImage::Format_ARGB32_Premultiplied);
  layer.fill(Qt::transparent);
  QPainter onLayer(&layer);
  drawTexture(onLayer);
  onLayer.resetTransform();
  onLayer.setCompositionMode(QPainter::CompositionMode_DestinationIn);
  onLayer.drawImage(0, 0, hole.mask);
  onLayer.end();
  p.drawImage(0, 0, layer);
}

using Painter = void (*)(QPainter&, BitmapSource&, const ELEMENT_HEADER&, const ElementValues&,
                         QSize);

constexpr std::array<Painter, 7> kPainters = {
    paintStatic, paintNeedle, paintString, paintSlider, paintIcon, paintMovingImage, paintSprite};

}  // namespace

int iconIndex(double value, UINT32 count) {
  if (count == 0 || std::isnan(value) || value < 0) return -1;
  if (value >= static_cast<double>(count)) return static_cast<int>(count - 1);
  return static_cast<int>(value);
}

QString sevenSegmentFamily() {
  static const QString family = [] {
    const int id = QFontDatabase::addApplicationFont(kSevenSegmentFont);
    const QStringList families =
        id >= 0 ? QFontDatabase::applicationFontFamilies(id) : QStringList();
    return families.isEmpty() ? QString() : families.front();
  }();
  return family;
}

void paintElement(QPainter& painter, BitmapSource& bitmaps, const ELEMENT_HEADER& element,
                  const ElementValues& values, QSize gaugeSize) {
  if (isHidden(element) || element.element_type >= kPainters.size()) return;
  kPainters[element.element_type](painter, bitmaps, element, values, gaugeSize);
}

}  // namespace panelhost
