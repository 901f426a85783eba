#pragma once
// The panel host's main window: the panel (panel_window.h) in a scrolling view at a chosen zoom,
// a status line with what the aircraft does, and menus to pause, reset, zoom and draw afresh.
// Between the simulation and the view menu hangs the lesson menu when one is added.
#include <QLabel>
#include <QMainWindow>
#include <QScrollArea>

#include "panelhost/panel_window.h"

namespace panelhost {

class CockpitWindow : public QMainWindow {
  Q_OBJECT

 public:
  // `start` is what a reset puts the aircraft back to.
  CockpitWindow(PanelHost& host, AircraftStart start, const QString& title,
                QWidget* parent = nullptr);

  PanelWindow& panel() { return *panel_; }
  void setZoom(Zoom zoom);
  void setPaused(bool paused);
  // The aircraft back to its start, the controls centred and simulated time from 0 again; then
  // `wasReset`, so that a lesson being flown can put the aircraft in its own start.
  void reset();
  // Hangs a lesson menu between the simulation and the view menu.
  void addLessonMenu(QMenu* menu);
  QString statusText() const { return status_->text(); }

 signals:
  void wasReset();

 private:
  void showStatus();

  PanelHost& host_;
  AircraftStart start_;
  QScrollArea* scroll_;
  PanelWindow* panel_;
  QLabel* status_;
  QAction* pause_;
  QMenu* viewMenu_;
  double secondsAtReset_ = 0;
};

}  // namespace panelhost
