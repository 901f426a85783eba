#pragma once
// The program's command line: qtp [--prefix DIR] [--screen-width N] [--automate FILE]
// [--help] [--version].
#include <QString>
#include <QStringList>

namespace automation {

struct ProgramOptions {
  enum class Action { Run, Help, Version, Error };
  Action action = Action::Run;
  QString prefix;       // empty: the default prefix
  int screenWidth = 0;  // 0: the primary screen's width
  QString scriptFile;   // empty: no automation
  QString error;        // what was wrong when action is Error
};

// `arguments` without the program name. Accepts "--name value" and "--name=value".
ProgramOptions parseOptions(const QStringList& arguments);

// The synopsis and options of the qtp(1) manual page.
QString usageText();

}  // namespace automation
