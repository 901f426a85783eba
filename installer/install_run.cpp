#include "installer/install_run.h"

#include <QApplication>
#include <QCoreApplication>
#include <QScreen>
#include <utility>

#include "installer/setup2_dlg.h"

namespace installrun {

namespace {

ArchiveObserver archiveObserver;
std::string libraryName = kUnrarLibraryName;
std::vector<std::string> targetFoldersMade;

}  // namespace

void setArchiveObserver(ArchiveObserver observer) {
  archiveObserver = std::move(observer);
}

void notifyArchive(const QString& archive, const QString& destination) {
  if (archiveObserver) archiveObserver(archive, destination);
}

void setArchiveLibrary(std::string name) {
  libraryName = std::move(name);
}

const std::string& archiveLibrary() {
  return libraryName;
}

void noteTargetFoldersMade(const std::vector<std::string>& folders) {
  targetFoldersMade.insert(targetFoldersMade.end(), folders.begin(), folders.end());
}

std::vector<std::string> takeTargetFoldersMade() {
  return std::exchange(targetFoldersMade, {});
}

}  // namespace installrun

namespace {

constexpr int kRightInset = 15;
constexpr int kBottomInset = 50;

// The main menu's bounds; without it, those of the owner's window, else the screen's.
QRect MainWindowBounds(QWidget* owner) {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->objectName() == QLatin1String("TMainDLG")) return window->geometry();
  }
  if (owner) return owner->window()->geometry();
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry() : QRect();
}

}  // namespace

void StartInstallRun(QWidget* owner) {
  if (Setup2DLG) return;
  Setup2DLG = new TSetup2DLG(owner);
  const QRect main = MainWindowBounds(owner);
  Setup2DLG->move(main.left() + main.width() - Setup2DLG->width() - kRightInset,
                  main.top() + main.height() - Setup2DLG->height() - kBottomInset);
  Setup2DLG->show();
  Setup2DLG->raise();
  QCoreApplication::processEvents();
}
