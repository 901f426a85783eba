#pragma once
// The panel for people: the panel drawn at a zoom, running at the panel rate; the mouse goes
// through the gauges' rectangles (held buttons repeat, drags follow the pointer), the cursor
// follows the area under it and the area's name shows as a tooltip; the flight keys move the
// controls (cockpit_keys.h). Each cycle only the gauges that changed are drawn again.
//
// Whole zooms scale crisply, pixel for pixel; Fit fills the widget keeping the panel's aspect,
// smoothed. While paused the panel cycle, and with it simulated time, stands still.
#include <QTimer>
#include <QWidget>
#include <optional>

#include "panelhost/panel_host.h"

namespace panelhost {

enum class Zoom { Fit, Actual, Double };

class PanelWindow : public QWidget {
  Q_OBJECT

 public:
  explicit PanelWindow(PanelHost& host, QWidget* parent = nullptr);

  // Actual and Double fix the widget's size to the panel's at that scale; Fit lets it be sized
  // from outside.
  void setZoom(Zoom zoom);
  Zoom zoom() const { return zoom_; }
  void setPaused(bool paused);
  bool paused() const { return paused_; }
  // One panel cycle, as the timer runs it: repeats a held area, steps the aircraft and the
  // gauges unless paused, and schedules the changed part of the panel to be painted.
  void advance();
  // Draws every gauge afresh.
  void redrawAll();
  // A widget point in panel pixels (outside the panel too).
  QPoint toPanel(QPointF point) const;

  QSize sizeHint() const override;

 signals:
  void cycled();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;

 private:
  struct Held {
    Gauge* gauge = nullptr;
    QPoint point;  // gauge pixels
  };

  double scale() const;
  QPointF offset() const;
  QRect toWidget(const QRect& panelRect) const;

  PanelHost& host_;
  QTimer timer_;
  std::optional<Held> held_;
  Zoom zoom_ = Zoom::Actual;
  bool paused_ = false;
};

}  // namespace panelhost
