#include "shell/layout.h"

#include <QGuiApplication>
#include <QScreen>

#include "platform/program_log.h"
#include "platform/screen.h"

namespace {

int Pick(int chosen, int fallback, int current) {
  if (chosen != Same) return chosen;
  if (fallback != Same) return fallback;
  return current;
}

}  // namespace

bool UseLargeLayout() {
  return platform::screenWidth() > kLargeLayoutAbove;
}

void ApplyPlaces(QWidget* form, std::span<const ControlPlace> table, bool large) {
  for (const ControlPlace& entry : table) {
    auto* control = form->findChild<QWidget*>(QString::fromLatin1(entry.name));
    if (!control) {
      platform::logReport(form->objectName().toStdString() + " has no control " + entry.name);
      continue;
    }
    const Place& chosen = large ? entry.large : entry.small;
    const Place& fallback = entry.small;
    const QRect now = control->geometry();
    control->setGeometry(Pick(chosen.left, fallback.left, now.x()),
                         Pick(chosen.top, fallback.top, now.y()),
                         Pick(chosen.width, fallback.width, now.width()),
                         Pick(chosen.height, fallback.height, now.height()));
  }
}

void CentreOnScreen(QWidget* window) {
  QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  window->move(area.x() + (area.width() - window->width()) / 2,
               area.y() + (area.height() - window->height()) / 2);
}
