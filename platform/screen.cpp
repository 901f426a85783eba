#include "platform/screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {

namespace {

int& widthOverride() {
  static int width = 0;
  return width;
}

}  // namespace

int screenWidth() {
  if (widthOverride() > 0) return widthOverride();
  const QScreen* screen = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                              ? QGuiApplication::primaryScreen()
                              : nullptr;
  return screen ? screen->geometry().width() : 0;
}

void setScreenWidthOverride(int width) {
  widthOverride() = width > 0 ? width : 0;
}

}  // namespace platform
