// panelhost [--panel CFG] [--module PATH] [--script FILE] [--aircraft cruise|cold]
//           [--lesson FILE] [--help]
//
// Loads the panel and/or module; with a script runs it headless and exits with its status,
// otherwise shows the panel in the cockpit window (which needs a panel or a module to show),
// with the lessons installed beside its aircraft in the lesson menu.
#include <QApplication>
#include <cstdio>

#include "panelhost/cockpit_title.h"
#include "panelhost/cockpit_window.h"
#include "panelhost/host_command.h"
#include "panelhost/lesson_menu.h"
#include "panelhost/panel_host.h"
#include "panelhost_usage.h"

int main(int argc, char** argv) {
  const auto command = panelhost::parseHostCommand(argc, argv);
  if (!command || (!command->help && !command->script && !command->panel && !command->module)) {
    std::fputs(kPanelhostUsage, stderr);
    return 2;
  }
  if (command->help) {
    std::fputs(kPanelhostUsage, stdout);
    return 0;
  }
  if (command->script && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);

  panelhost::PanelHost host;
  if (!panelhost::prepareHost(host, *command, "panelhost")) return 1;
  if (command->script)
    return panelhost::runHostScript(host, *command->script, "panelhost", command->lesson);

  panelhost::CockpitWindow window(host, command->start,
                                  panelhost::cockpitTitle(command->panel, command->module));
  auto* lessons = new panelhost::LessonMenu(host, command->panel, &window);
  window.addLessonMenu(lessons);
  QObject::connect(&window, &panelhost::CockpitWindow::wasReset, lessons,
                   &panelhost::LessonMenu::restart);
  window.show();
  // A lesson that cannot be read is said in a message box over the panel, which flies on.
  if (command->lesson) lessons->start(*command->lesson);
  return app.exec();
}
