#include "controls/focus_mark.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWidget>

namespace controls {

bool ShowsFocusMark(const QWidget* button) {
  return button->hasFocus() && button->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

QPainterPath InsetOutline(const QRegion& shape, int inset) {
  // A pixel stays when the pixels `inset` away on all four sides belong to the shape as well.
  const QRegion shrunk = shape & shape.translated(inset, 0) & shape.translated(-inset, 0) &
                         shape.translated(0, inset) & shape.translated(0, -inset);
  QPainterPath outline;
  outline.addRegion(shrunk);
  return outline.simplified();
}

void DrawFocusMark(QPainter& painter, const QPainterPath& outline) {
  painter.save();
  painter.setBrush(Qt::NoBrush);
  // Strokes lie on the pixels' inner halves: moved by half a pixel they cover whole pixels.
  painter.translate(0.5, 0.5);
  painter.setPen(QPen(Qt::white, 1));
  painter.drawPath(outline);
  painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
  painter.drawPath(outline);
  painter.restore();
}

bool IsPressKey(const QKeyEvent& event) {
  const bool key =
      event.key() == Qt::Key_Space || event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
  const Qt::KeyboardModifiers extra = event.modifiers() & ~Qt::KeypadModifier;
  return key && extra == Qt::NoModifier;
}

}  // namespace controls
