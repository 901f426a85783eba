#pragma once
// The focus mark of the picture and round buttons, and the keys that press them: the mark is a
// dotted line just inside the button's own shape, black dots over a white line so that it shows
// on dark and light pictures alike.
#include <QPainterPath>
#include <QRegion>

class QKeyEvent;
class QPainter;
class QWidget;

namespace controls {

// Only while the focus came by keyboard, as on Windows: a click or a form opening on its first
// button shows no mark until the user reaches for the keyboard.
bool ShowsFocusMark(const QWidget* button);

// The outline of `shape` shrunk by `inset` pixels on every side.
QPainterPath InsetOutline(const QRegion& shape, int inset);

void DrawFocusMark(QPainter& painter, const QPainterPath& outline);

// Space, Return and Enter without modifiers: the keys that press a focused button.
bool IsPressKey(const QKeyEvent& event);

}  // namespace controls
