#pragma once
// The Linux panel host: the panel core (panel_core.h) with drawing. Images are drawn from the
// elements' last values when they are asked for: a gauge whose elements would draw as they did
// last time keeps its image, and the panel is composed again only where a gauge changed.
#include <QImage>
#include <QPoint>
#include <QRegion>
#include <map>
#include <unordered_map>
#include <vector>

#include "panelhost/bitmap_source.h"
#include "panelhost/panel_core.h"
#include "panelhost/panel_renderer.h"

namespace panelhost {

enum class Redraw { Changed, Full };

class PanelHost : public PanelCore, public PanelRenderer {
 public:
  // Draws the gauge afresh from its elements' last values.
  QImage renderGauge(const Gauge& gauge);
  // Brings the panel image up to date and returns the panel pixels that changed: with
  // Redraw::Changed only the gauges whose elements would draw differently are drawn again,
  // Redraw::Full draws every gauge (the first call and a change of panel size always do).
  QRegion redrawPanel(Redraw redraw);
  const QImage& panelImage() const { return panel_; }
  QImage renderPanel(Redraw redraw = Redraw::Changed);

  // PanelRenderer
  std::optional<std::string> renderToFile(const Gauge* gauge, const std::string& file,
                                          bool full) override;

 protected:
  Size bitmapSize(const GaugeModule& module, int resourceId) override;

 private:
  // A gauge's last image and what it was drawn from, in tree order.
  struct Picture {
    QImage image;  // null until the panel is first drawn
    std::vector<DrawnElement> drawn;
  };

  BitmapSource& bitmapsOf(const GaugeModule& module);
  bool refreshDrawn(const Gauge& gauge, Picture& picture);

  std::map<void*, BitmapSource> bitmaps_;
  std::unordered_map<const Gauge*, Picture> pictures_;
  QImage panel_;
};

}  // namespace panelhost
