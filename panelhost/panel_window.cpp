#include "panelhost/panel_window.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "panelhost/cockpit_keys.h"
#include "panelhost/help_texts.h"

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
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setZoom(Zoom::Actual);
  host_.redrawPanel(Redraw::Full);
  connect(&timer_, &QTimer::timeout, this, &PanelWindow::advance);
  timer_.start(static_cast<int>(SimulatedAircraft::kCycleSeconds * 1000));
}

void PanelWindow::setZoom(Zoom zoom) {
  zoom_ = zoom;
  if (zoom == Zoom::Fit) {
    setMinimumSize(1, 1);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  } else {
    setFixedSize(QSize(host_.panelSize()) * (zoom == Zoom::Double ? 2 : 1));
  }
  update();
}

QSize PanelWindow::sizeHint() const {
  return QSize(host_.panelSize()) * (zoom_ == Zoom::Double ? 2 : 1);
}

double PanelWindow::scale() const {
  if (zoom_ != Zoom::Fit) return zoom_ == Zoom::Double ? 2 : 1;
  const QSize panel = host_.panelSize();
  return std::min(double(width()) / panel.width(), double(height()) / panel.height());
}

// Fit centres the panel in the widget; the whole zooms fill it exactly.
QPointF PanelWindow::offset() const {
  const QSizeF shown = QSizeF(host_.panelSize()) * scale();
  return QPointF(std::max(0.0, (width() - shown.width()) / 2),
                 std::max(0.0, (height() - shown.height()) / 2));
}

QPoint PanelWindow::toPanel(QPointF point) const {
  const QPointF panel = (point - offset()) / scale();
  return QPoint(int(std::floor(panel.x())), int(std::floor(panel.y())));
}

QRect PanelWindow::toWidget(const QRect& panelRect) const {
  const double s = scale();
  const QPointF at = offset() + QPointF(panelRect.topLeft()) * s;
  return QRectF(at, QSizeF(panelRect.size()) * s).toAlignedRect();
}

void PanelWindow::setPaused(bool paused) {
  paused_ = paused;
  if (paused) held_.reset();
}

void PanelWindow::advance() {
  // The aircraft has acted on the key events and the sounds have been played; nobody reads the
  // logs in the window, so they are let go each cycle instead of growing for as long as it runs.
  host_.takeEvents();
  host_.takeSounds();
  if (!paused_) {
    if (held_) {
      const MouseArea* area = held_->gauge->mouse.childAt(held_->point, MOUSE_LEFT_SINGLE);
      if (area && (area->record->mouse_flags & MOUSE_REPEAT_WHILE_HELD))
        host_.click(*held_->gauge, held_->point, MOUSE_LEFT_SINGLE);
    }
    host_.runCycles(1);
  }
  QRegion changed;
  for (const QRect& rect : host_.redrawPanel(Redraw::Changed))
    changed += toWidget(rect).adjusted(-1, -1, 1, 1);  // smoothing reaches a pixel further
  update(changed);
  emit cycled();
}

void PanelWindow::redrawAll() {
  host_.redrawPanel(Redraw::Full);
  update();
}

// Each exposed rectangle is drawn from the panel pixels under it, so a cycle that changed five
// gauges scales five gauges' worth of pixels, not the panel.
void PanelWindow::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QImage& panel = host_.panelImage();
  const double s = scale();
  const bool whole = zoom_ != Zoom::Fit;
  painter.setRenderHint(QPainter::SmoothPixmapTransform, !whole);
  if (!whole) painter.fillRect(event->rect(), Qt::black);
  const QPointF at = offset();
  for (const QRect& rect : event->region()) {
    const QRectF exposed((QPointF(rect.topLeft()) - at) / s, QSizeF(rect.size()) / s);
    const QRect source = exposed.toAlignedRect() & panel.rect();
    if (source.isEmpty()) continue;
    painter.drawImage(QRectF(at + QPointF(source.topLeft()) * s, QSizeF(source.size()) * s), panel,
                      source);
  }
}

void PanelWindow::mousePressEvent(QMouseEvent* event) {
  Point point;
  Gauge* gauge = host_.gaugeAt(toPanel(event->position()), point);
  if (!gauge) return;
  const FLAGS32 button = event->button() == Qt::RightButton ? kMouseRightSingle : MOUSE_LEFT_SINGLE;
  host_.click(*gauge, point, button);
  if (button == MOUSE_LEFT_SINGLE) held_ = Held{gauge, point};
}

// A held drag area follows the pointer, even beyond its gauge.
void PanelWindow::mouseMoveEvent(QMouseEvent* event) {
  const QPoint panelPoint = toPanel(event->position());
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
  const KeyMotion motion = event->isAutoRepeat() ? KeyMotion::Repeat : KeyMotion::Down;
  if (!applyCockpitKey(host_.aircraft(), event->key(), event->modifiers(), motion))
    QWidget::keyPressEvent(event);
}

void PanelWindow::keyReleaseEvent(QKeyEvent* event) {
  if (event->isAutoRepeat() ||
      !applyCockpitKey(host_.aircraft(), event->key(), event->modifiers(), KeyMotion::Up))
    QWidget::keyReleaseEvent(event);
}

bool PanelWindow::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  auto* help = static_cast<QHelpEvent*>(event);
  Point point;
  Gauge* gauge = host_.gaugeAt(toPanel(help->pos()), point);
  const ID32 id = gauge ? host_.help(*gauge, point).helpId : 0;
  if (id != 0) {
    const std::string_view text = helpText(id);
    QToolTip::showText(help->globalPos(), QString::fromUtf8(text.data(), qsizetype(text.size())),
                       this);
  } else {
    QToolTip::hideText();
  }
  return true;
}

}  // namespace panelhost
