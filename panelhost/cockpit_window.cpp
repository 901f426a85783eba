#include "panelhost/cockpit_window.h"

#include <QActionGroup>
#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

#include "panelhost/cockpit_status.h"

namespace panelhost {

CockpitWindow::CockpitWindow(PanelHost& host, AircraftStart start, const QString& title,
                             QWidget* parent)
    : QMainWindow(parent),
      host_(host),
      start_(start),
      scroll_(new QScrollArea(this)),
      panel_(new PanelWindow(host)),
      status_(new QLabel(this)) {
  setWindowTitle(title);
  scroll_->setAlignment(Qt::AlignCenter);
  scroll_->setBackgroundRole(QPalette::Dark);
  scroll_->setWidget(panel_);
  setCentralWidget(scroll_);
  statusBar()->addWidget(status_, 1);
  connect(panel_, &PanelWindow::cycled, this, &CockpitWindow::showStatus);

  QMenu* simulation = menuBar()->addMenu("&Simulation");
  pause_ = simulation->addAction("&Pause", QKeySequence(Qt::Key_P));
  pause_->setCheckable(true);
  connect(pause_, &QAction::toggled, this, &CockpitWindow::setPaused);
  simulation->addAction("&Zurücksetzen", QKeySequence(Qt::CTRL | Qt::Key_R), this,
                        &CockpitWindow::reset);
  simulation->addSeparator();
  simulation->addAction("&Beenden", QKeySequence::Quit, this, &QWidget::close);

  viewMenu_ = menuBar()->addMenu("&Ansicht");
  auto* zooms = new QActionGroup(this);
  const struct {
    const char* label;
    QKeySequence keys;
    Zoom zoom;
  } kZooms[] = {{"&Einpassen", QKeySequence(Qt::CTRL | Qt::Key_0), Zoom::Fit},
                {"Zoom &1:1", QKeySequence(Qt::CTRL | Qt::Key_1), Zoom::Actual},
                {"Zoom &2:1", QKeySequence(Qt::CTRL | Qt::Key_2), Zoom::Double}};
  for (const auto& entry : kZooms) {
    QAction* action = viewMenu_->addAction(entry.label, entry.keys, this,
                                           [this, zoom = entry.zoom] { setZoom(zoom); });
    action->setCheckable(true);
    action->setChecked(entry.zoom == Zoom::Fit);
    zooms->addAction(action);
  }
  viewMenu_->addSeparator();
  viewMenu_->addAction("&Neu zeichnen", QKeySequence(Qt::Key_F9), panel_, &PanelWindow::redrawAll);

  setZoom(Zoom::Fit);
  // Opens with the panel at its own size where the screen has room for it.
  QSize size = panel_->sizeHint() +
               QSize(4, menuBar()->sizeHint().height() + statusBar()->sizeHint().height() + 4);
  if (const QScreen* screen = QApplication::primaryScreen())
    size = size.boundedTo(screen->availableSize());
  resize(size);
  panel_->setFocus();
  showStatus();
}

void CockpitWindow::setZoom(Zoom zoom) {
  scroll_->setWidgetResizable(zoom == Zoom::Fit);
  panel_->setZoom(zoom);
}

void CockpitWindow::setPaused(bool paused) {
  panel_->setPaused(paused);
  pause_->setChecked(paused);
  showStatus();
}

void CockpitWindow::reset() {
  host_.aircraft().reset(start_);
  emit wasReset();
  secondsAtReset_ = host_.aircraft().elapsedSeconds();
  showStatus();
}

void CockpitWindow::addLessonMenu(QMenu* menu) {
  menuBar()->insertMenu(viewMenu_->menuAction(), menu);
}

void CockpitWindow::showStatus() {
  status_->setText(cockpitStatus(host_.vars(), host_.aircraft().elapsedSeconds() - secondsAtReset_,
                                 panel_->paused()));
}

}  // namespace panelhost
