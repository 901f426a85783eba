#pragma once
// The panel for people: the panel drawn at its size, running at the panel rate; the mouse goes
// through the gauges' rectangles (held buttons repeat, drags follow the pointer), the cursor
// follows the area under it and the help id shows as a tooltip. Each cycle only the gauges that
// changed are drawn again; F5 draws the whole panel afresh.
#include <QTimer>
#include <QWidget>
#include <optional>

#include "panelhost/panel_host.h"

namespace panelhost {

class PanelWindow : public QWidget {
  Q_OBJECT

 public:
  explicit PanelWindow(PanelHost& host, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void tick();

  struct Held {
    Gauge* gauge = nullptr;
    QPoint point;  // gauge pixels
  };

  PanelHost& host_;
  QTimer timer_;
  std::optional<Held> held_;
};

}  // namespace panelhost
