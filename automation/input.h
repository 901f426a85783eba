#pragma once
// Input as a person gives it: the pointer goes through the control's window (so hit masks and
// the controls above it decide who gets it, and enter/leave follow the pointer), the keyboard
// goes to the focused control. Each call may run a modal form before it returns.
#include <QPoint>
#include <QString>
#include <QWidget>
#include <optional>

namespace automation::input {

// Pointer to `at` (the control's own coordinates; its centre when empty), then press and
// release `button` there. Fails when the control or the point cannot be reached.
bool click(QWidget* control, std::optional<QPoint> at, Qt::MouseButton button, QString* why);
bool move(QWidget* control, QPoint at, QString* why);

// Focus the control and type the text key by key.
void type(QWidget* control, const QString& text);

// One key: Return, Escape, Backspace, Delete, Left, Right, Up, Down, Space, Tab, Backtab, or one
// character. key() focuses the control first; keyToFocus() sends the key to the form's focused
// control (the form itself when none has the focus), as a person's key press goes.
bool key(QWidget* control, const QString& keyName, QString* why);
bool keyToFocus(QWidget* form, const QString& keyName, QString* why);

// Radio group (property itemIndex over its radio buttons) or combo box: pick item `index`.
bool choose(QWidget* control, int index, QString* why);

// Check box or checkable button: bring it to `on` by clicking it when it differs.
bool check(QWidget* control, bool on, QString* why);

}  // namespace automation::input
