#pragma once
// Reading the live forms the way a walkthrough names them: controls by their names inside the
// form on top, their properties as text, and one dump line per control.
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

namespace automation {

// The named controls of a form in declaration order (depth first, children in creation order).
// Controls of other windows (pages owned by this form) are not part of it.
std::vector<QWidget*> controlsOf(QWidget* form);
QWidget* findControl(QWidget* form, const QString& name);

// A form's name in the output: its object name, else its class name.
QString formName(const QWidget* form);

// The property as text: visible, enabled, checked as "true"/"false"; text, caption, hint as
// they stand; cursor as arrow|hand|...; index as a number; geometry as x,y,w,h (in the
// parent's coordinates). Any other name is read as the control's own Qt property (a scroll
// box's offset), a truth value as "true"/"false". Nothing when the control has no such property.
std::optional<QString> readProperty(const QWidget* control, const QString& property);

// The form in which a walkthrough writes the expected value, made comparable with readProperty:
// yes/no, on/off, 1/0 for the true/false properties, blanks removed from a geometry.
QString normaliseExpected(const QString& property, const QString& value);
// The same, where the control's own Qt property of that name tells whether it is a truth value.
QString normaliseExpected(const QWidget* control, const QString& property, const QString& value);

// Sets the control's writable Qt property from a walkthrough's word: a number, yes/no (on/off,
// true/false, 1/0) for a truth value, else the text. False, with the reason, when the control
// has no such property, cannot have it set, or the word does not fit it.
bool writeProperty(QWidget* control, const QString& property, const QString& value, QString* why);

// NAME KIND x,y,w,h visible|hidden enabled|disabled "TEXT"
QString dumpLine(const QWidget* control);

}  // namespace automation
