#include "controls/panel.h"

#include <QPainter>

namespace {

// Windows' three-dimensional edge colours.
const QColor kHighlight(255, 255, 255);
const QColor kShadow(128, 128, 128);

// Draws a ring of `width` pixels inside `rect`; a raised ring is light at the top and left.
void DrawBevel(QPainter& painter, QRect rect, TPanelBevel bevel, int width) {
  const bool raised = bevel == TPanelBevel::Raised;
  const QColor topLeft = raised ? kHighlight : kShadow;
  const QColor bottomRight = raised ? kShadow : kHighlight;
  for (int i = 0; i < width; ++i) {
    painter.setPen(topLeft);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
    rect.adjust(1, 1, -1, -1);
  }
}

}  // namespace

TPanel::TPanel(const QString& name, const Style& style, QWidget* parent)
    : QWidget(parent), style_(style) {
  setObjectName(name);
}

int TPanel::frameThickness() const {
  const int outer = style_.bevelOuter == TPanelBevel::None ? 0 : style_.bevelWidth;
  const int inner = style_.bevelInner == TPanelBevel::None ? 0 : style_.bevelWidth;
  return (style_.singleBorder ? 1 : 0) + outer + style_.borderWidth + inner;
}

QRect TPanel::clientArea() const {
  const int t = frameThickness();
  return rect().adjusted(t, t, -t, -t);
}

void TPanel::setFillingChild(QWidget* child) {
  fillingChild_ = child;
  if (child) child->setGeometry(clientArea());
}

void TPanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (fillingChild_) fillingChild_->setGeometry(clientArea());
}

void TPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), toQColor(style_.color));
  QRect ring = rect();
  if (style_.singleBorder) {
    painter.setPen(Qt::black);
    painter.drawRect(ring.adjusted(0, 0, -1, -1));
    ring.adjust(1, 1, -1, -1);
  }
  if (style_.bevelOuter != TPanelBevel::None) {
    DrawBevel(painter, ring, style_.bevelOuter, style_.bevelWidth);
    ring.adjust(style_.bevelWidth, style_.bevelWidth, -style_.bevelWidth, -style_.bevelWidth);
  }
  ring.adjust(style_.borderWidth, style_.borderWidth, -style_.borderWidth, -style_.borderWidth);
  if (style_.bevelInner != TPanelBevel::None)
    DrawBevel(painter, ring, style_.bevelInner, style_.bevelWidth);
}
