#include "panelhost/panel_window.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include "panelhost/number_text.h"

namespace panelhost {
namespace {

Qt::CursorShape cursorShape(SINT32 cursor) {
  switch (cursor) {
    case CURSOR_UP_ARROW:
      return Qt::UpArrowCursor;
    case CURSOR_DOWN_ARROW:
      return Qt::SizeVerCursor;
    case CURSOR_HAND:
      return Qt::PointingHandCursor;
    default:
      return Qt::ArrowCursor;
  }
}

}  // namespace

PanelWindow::PanelWindow(PanelHost& host, QWidget* parent) : QWidget(parent), host_(host) {
  setWindowTitle("panelhost");
  setFixedSize(host_.panelSize());
  setMouseTracking(true);
  host_.redrawPanel(Redraw::Full);
  connect(&timer_, &QTimer::timeout, this, &PanelWindow::tick);
  timer_.start(static_cast<int>(SimulatedAircraft::kCycleSeconds * 1000));
}

void PanelWindow::tick() {
  // The aircraft has acted on the key events and the sounds have been played; nobody reads the
  // logs in the window, so they are let go each cycle instead of growing for as long as it runs.
  host_.takeEvents();
  host_.takeSounds();
  if (held_) {
    const MouseArea* area = held_->gauge->mouse.childAt(held_->point, MOUSE_LEFT_SINGLE);
    if (area && (area->record->mouse_flags & MOUSE_REPEAT_WHILE_HELD))
      host_.click(*held_->gauge, held_->point, MOUSE_LEFT_SINGLE);
  }
  host_.runCycles(1);
  update(host_.redrawPanel(Redraw::Changed));
}

void PanelWindow::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.drawImage(event->rect(), host_.panelImage(), event->rect());
}

void PanelWindow::mousePressEvent(QMouseEvent* event) {
  Point point;
  Gauge* gauge = host_.gaugeAt(event->position().toPoint(), point);
  if (!gauge) return;
  const FLAGS32 button = event->button() == Qt::RightButton ? kMouseRightSingle : MOUSE_LEFT_SINGLE;
  host_.click(*gauge, point, button);
  if (button == MOUSE_LEFT_SINGLE) held_ = Held{gauge, point};
}

// A held drag area follows the pointer, even beyond its gauge.
void PanelWindow::mouseMoveEvent(QMouseEvent* event) {
  const QPoint panelPoint = event->position().toPoint();
  if (held_) {
    const QPoint point = host_.toGaugePixels(*held_->gauge, panelPoint);
    const MouseArea* area = held_->gauge->mouse.childAt(held_->point, MOUSE_LEFT_SINGLE);
    if (area && (area->record->mouse_flags & MOUSE_DRAG)) host_.drag(*held_->gauge, point);
    return;
  }
  Point point;
  Gauge* gauge = host_.gaugeAt(panelPoint, point);
  setCursor(gauge ? cursorShape(host_.help(*gauge, point).cursor) : Qt::ArrowCursor);
}

void PanelWindow::mouseReleaseEvent(QMouseEvent*) {
  held_.reset();
}

void PanelWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_F5) return QWidget::keyPressEvent(event);
  update(host_.redrawPanel(Redraw::Full));
}

bool PanelWindow::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  auto* help = static_cast<QHelpEvent*>(event);
  Point point;
  Gauge* gauge = host_.gaugeAt(help->pos(), point);
  const ID32 id = gauge ? host_.help(*gauge, point).helpId : 0;
  if (id != 0) {
    QToolTip::showText(help->globalPos(), QString::fromStdString(gauge->name + " " + formatHex(id)),
                       this);
  } else {
    QToolTip::hideText();
  }
  return true;
}

}  // namespace panelhost
