#include "automation/input.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QEnterEvent>
#include <QPointer>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QWindow>
#include <array>

namespace automation::input {

namespace {

struct NamedKey {
  const char* name;
  Qt::Key key;
  const char* text;
};
constexpr std::array<NamedKey, 11> kNamedKeys = {{{"Return", Qt::Key_Return, "\r"},
                                                  {"Escape", Qt::Key_Escape, "\x1b"},
                                                  {"Backspace", Qt::Key_Backspace, "\b"},
                                                  {"Delete", Qt::Key_Delete, "\x7f"},
                                                  {"Left", Qt::Key_Left, ""},
                                                  {"Right", Qt::Key_Right, ""},
                                                  {"Up", Qt::Key_Up, ""},
                                                  {"Down", Qt::Key_Down, ""},
                                                  {"Space", Qt::Key_Space, " "},
                                                  {"Tab", Qt::Key_Tab, "\t"},
                                                  {"Backtab", Qt::Key_Backtab, ""}}};

// Qt's key codes for Latin-1 characters are their upper-case code points.
Qt::Key keyOfCharacter(QChar c) {
  const char16_t upper = c.toUpper().unicode();
  return upper <= 0xff ? static_cast<Qt::Key>(upper) : Qt::Key_unknown;
}

void sendCharacter(QWidget* control, QChar c) {
  QTest::sendKeyEvent(QTest::Click, control, keyOfCharacter(c), QString(c), Qt::NoModifier);
}

// Where the pointer goes in the window, or why it cannot go there.
std::optional<QPoint> windowPoint(QWidget* control, QPoint at, QString* why) {
  QWidget* form = control->window();
  if (!control->isVisible()) {
    *why = QStringLiteral("%1 is hidden").arg(control->objectName());
    return std::nullopt;
  }
  if (form->windowHandle() == nullptr) {
    *why = QStringLiteral("%1 has no window").arg(control->objectName());
    return std::nullopt;
  }
  const QPoint point = control->mapTo(form, at);
  if (!form->rect().contains(point)) {
    *why = QStringLiteral("%1,%2 lies outside the form").arg(point.x()).arg(point.y());
    return std::nullopt;
  }
  return point;
}

// The window the pointer is in. Moving into another window leaves the old one and enters the
// new one, as the window system tells the program when a person moves the mouse; Qt passes the
// enter on to the control under the pointer.
QPointer<QWindow>& pointerWindow() {
  static QPointer<QWindow> window;
  return window;
}

void bringPointerInto(QWindow* window, QPoint point) {
  QPointer<QWindow>& current = pointerWindow();
  if (current == window) return;
  if (current) {
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(current, &leave);
  }
  current = window;
  const QPointF local(point);
  QEnterEvent enter(local, local, QPointF(window->mapToGlobal(point)));
  QCoreApplication::sendEvent(window, &enter);
}

void pointerTo(QWindow* window, QPoint point) {
  bringPointerInto(window, point);
  QTest::mouseMove(window, point);
}

// Where a person clicks a check box or radio button: on its box, which the button always
// takes, rather than its middle, which may lie beyond its text.
std::optional<QPoint> togglePoint(QAbstractButton* button) {
  const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
  if (!radio && qobject_cast<QCheckBox*>(button) == nullptr) return std::nullopt;
  QStyleOptionButton option;
  option.initFrom(button);
  const QRect box = button->style()->subElementRect(
      radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, button);
  if (box.isEmpty()) return std::nullopt;
  return box.center();
}

bool sendKey(QWidget* target, const QString& keyName, QString* why) {
  for (const NamedKey& named : kNamedKeys) {
    if (keyName == QLatin1String(named.name)) {
      QTest::sendKeyEvent(QTest::Click, target, named.key, QString::fromLatin1(named.text),
                          Qt::NoModifier);
      return true;
    }
  }
  if (keyName.size() != 1) {
    *why = QStringLiteral("unknown key \"%1\"").arg(keyName);
    return false;
  }
  sendCharacter(target, keyName.at(0));
  return true;
}

}  // namespace

bool move(QWidget* control, QPoint at, QString* why) {
  const std::optional<QPoint> point = windowPoint(control, at, why);
  if (!point) return false;
  pointerTo(control->window()->windowHandle(), *point);
  return true;
}

bool click(QWidget* control, std::optional<QPoint> at, Qt::MouseButton button, QString* why) {
  const std::optional<QPoint> point =
      windowPoint(control, at.value_or(control->rect().center()), why);
  if (!point) return false;
  QWindow* window = control->window()->windowHandle();
  pointerTo(window, *point);
  QTest::mousePress(window, button, Qt::NoModifier, *point);
  QTest::mouseRelease(window, button, Qt::NoModifier, *point);
  return true;
}

void type(QWidget* control, const QString& text) {
  control->activateWindow();
  control->setFocus(Qt::OtherFocusReason);
  for (const QChar c : text) sendCharacter(control, c);
}

bool key(QWidget* control, const QString& keyName, QString* why) {
  control->setFocus(Qt::OtherFocusReason);
  return sendKey(control, keyName, why);
}

bool keyToFocus(QWidget* form, const QString& keyName, QString* why) {
  QWidget* focused = form->focusWidget();
  return sendKey(focused != nullptr ? focused : form, keyName, why);
}

bool choose(QWidget* control, int index, QString* why) {
  if (auto* combo = qobject_cast<QComboBox*>(control)) {
    if (index < 0 || index >= combo->count()) {
      *why = QStringLiteral("%1 has no item %2").arg(control->objectName()).arg(index);
      return false;
    }
    combo->setCurrentIndex(index);
    emit combo->activated(index);
    return true;
  }
  const QList<QRadioButton*> items = control->findChildren<QRadioButton*>();
  if (!control->property("itemIndex").isValid() && items.isEmpty()) {
    *why = QStringLiteral("%1 is neither a radio group nor a combo box").arg(control->objectName());
    return false;
  }
  if (items.isEmpty()) {
    control->setProperty("itemIndex", index);
    return true;
  }
  if (index < 0 || index >= items.size()) {
    *why = QStringLiteral("%1 has no item %2").arg(control->objectName()).arg(index);
    return false;
  }
  return click(items.at(index), togglePoint(items.at(index)), Qt::LeftButton, why);
}

bool check(QWidget* control, bool on, QString* why) {
  auto* button = qobject_cast<QAbstractButton*>(control);
  if (button != nullptr && button->isCheckable()) {
    return button->isChecked() == on || click(button, togglePoint(button), Qt::LeftButton, why);
  }
  if (!control->property("checked").isValid()) {
    *why = QStringLiteral("%1 cannot be checked").arg(control->objectName());
    return false;
  }
  if (control->property("checked").toBool() != on) control->setProperty("checked", on);
  return true;
}

}  // namespace automation::input
