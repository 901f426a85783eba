#include "panelhost/panel_host.h"

#include <QImageWriter>
#include <QPainter>

#include "panelhost/element_painter.h"

namespace panelhost {

BitmapSource& PanelHost::bitmapsOf(const GaugeModule& module) {
  return bitmaps_.try_emplace(module.handle(), module.handle()).first->second;
}

Size PanelHost::bitmapSize(const GaugeModule& module, int resourceId) {
  const QImage& image = bitmapsOf(module).bitmap(resourceId, false);
  return image.isNull() ? Size() : Size(image.size());
}

QImage PanelHost::renderGauge(const Gauge& gauge) {
  const QSize size = gauge.size;
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  BitmapSource& bitmaps = bitmapsOf(*gauge.module);
  forEachElement(gauge.background(), [&](PELEMENT_HEADER element) {
    paintElement(painter, bitmaps, *element, elementValues(element), size);
  });
  return image;
}

// True when the gauge's elements would not draw as they did for its image.
bool PanelHost::refreshDrawn(const Gauge& gauge, Picture& picture) {
  std::size_t index = 0;
  bool changed = false;
  forEachElement(gauge.background(), [&](PELEMENT_HEADER element) {
    DrawnElement now = drawnElement(*element, elementValues(element));
    if (index == picture.drawn.size()) {
      picture.drawn.push_back(std::move(now));
      changed = true;
    } else if (picture.drawn[index] != now) {
      picture.drawn[index] = std::move(now);
      changed = true;
    }
    ++index;
  });
  if (index != picture.drawn.size()) {
    picture.drawn.resize(index);
    changed = true;
  }
  return changed;
}

// Gauges overlap, so a changed gauge's area is composed again from every gauge it shows, in
// stacking order, clipped to the changed areas.
QRegion PanelHost::redrawPanel(Redraw redraw) {
  const QSize size = panelSize();
  const bool full = redraw == Redraw::Full || panel_.size() != size;
  QRegion changed;
  for (const auto& gauge : gauges()) {
    Picture& picture = pictures_[gauge.get()];
    if (!refreshDrawn(*gauge, picture) && !full && !picture.image.isNull()) continue;
    picture.image = renderGauge(*gauge);
    changed += QRect(shownRect(*gauge));
  }
  if (full) {
    panel_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
    changed = QRect(QPoint(0, 0), size);
  }
  if (changed.isEmpty()) return changed;
  QPainter painter(&panel_);
  painter.setClipRegion(changed);
  painter.fillRect(panel_.rect(), Qt::black);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  for (const auto& gauge : gauges()) {
    const QRect shown = shownRect(*gauge);
    if (changed.intersects(shown)) painter.drawImage(shown, pictures_[gauge.get()].image);
  }
  return changed;
}

QImage PanelHost::renderPanel(Redraw redraw) {
  redrawPanel(redraw);
  return panel_;
}

std::optional<std::string> PanelHost::renderToFile(const Gauge* gauge, const std::string& file,
                                                   bool full) {
  const QImage image =
      gauge ? renderGauge(*gauge) : renderPanel(full ? Redraw::Full : Redraw::Changed);
  QImageWriter writer(QString::fromStdString(file), "png");
  if (!writer.write(image))
    return "cannot write " + file + ": " + writer.errorString().toStdString();
  return std::nullopt;
}

}  // namespace panelhost
