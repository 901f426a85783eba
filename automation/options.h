#pragma once
// The program's command line: qtp [--prefix DIR] [--create-prefix] [--screen-width N]
// [--automate FILE] [--verbose] [--help] [--version].
#include <QString>
#include <QStringList>

namespace automation {

struct ProgramOptions {
  enum class Action { Run, Help, Version, Error };
  Action action = Action::Run;
  QString prefix;             // empty: the default prefix
  bool createPrefix = false;  // make the prefix when it is missing
  bool verbose = false;       // the log's lines on standard error as well
  int screenWidth = 0;        // 0: the primary screen's width
  QString scriptFile;         // empty: no automation
  QString error;              // what was wrong when action is Error
};

// `arguments` without the program name. Accepts "--name value" and "--name=value".
ProgramOptions parseOptions(const QStringList& arguments);

// The synopsis and options of the qtp(1) manual page.
QString usageText();

}  // namespace automation
