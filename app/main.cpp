// The QTP program: the main menu is its only form at start; closing the menu ends the program.
// With --automate it runs a walkthrough against itself and logs what a person would see.
#include <QApplication>
#include <QFile>
#include <cstdio>
#include <memory>
#include <optional>

#include "automation/event_log.h"
#include "automation/options.h"
#include "automation/script.h"
#include "automation/script_runner.h"
#include "pages/main_dlg.h"
#include "platform/prefix.h"
#include "platform/program_log.h"
#include "platform/screen.h"
#include "platform/text_file.h"

namespace {

constexpr const char* kTitle = "QTP 1.0";

// A walkthrough is a few hundred lines; far more is not one.
constexpr std::size_t kMaxScriptBytes = 4u << 20;

QStringList argumentsOf(int argc, char** argv) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

}  // namespace

int main(int argc, char** argv) {
  using automation::ProgramOptions;
  // The command line is read before Qt starts, so --help and --version work without a display.
  const QStringList arguments = argumentsOf(argc, argv);
  const ProgramOptions options = automation::parseOptions(arguments);
  if (options.action == ProgramOptions::Action::Run ||
      options.action == ProgramOptions::Action::Error) {
    platform::openProgramLog(platform::defaultLogFile(), {.verbose = options.verbose});
    platform::logNote(std::string(kTitle) + " starts: qtp " + arguments.join(' ').toStdString());
  }
  switch (options.action) {
    case ProgramOptions::Action::Error:
      platform::logReport(options.error.toStdString());
      std::fprintf(stderr, "%s", qPrintable(automation::usageText()));
      return 2;
    case ProgramOptions::Action::Help:
      std::printf("%s", qPrintable(automation::usageText()));
      return 0;
    case ProgramOptions::Action::Version:
      std::printf("%s\n", kTitle);
      return 0;
    case ProgramOptions::Action::Run:
      break;
  }
  std::optional<QString> script;
  if (!options.scriptFile.isEmpty()) {
    const textfile::FileRead read =
        textfile::readRegularFile(options.scriptFile.toLocal8Bit().toStdString(), kMaxScriptBytes);
    if (!read.ok()) {
      platform::logReport("cannot read the script \"" + options.scriptFile.toStdString() +
                          "\": " + read.reason);
      return 2;
    }
    script = QString::fromStdString(read.bytes);
  }
  // Before Qt starts too: a refused prefix needs no display to be said.
  switch (platform::startPrefix(QFile::encodeName(options.prefix).toStdString(),
                                options.createPrefix)) {
    case platform::PrefixStart::Refused:
      return 2;
    case platform::PrefixStart::Failed:
      return 1;
    case platform::PrefixStart::Opened:
      platform::logNote("prefix " + platform::currentPrefixDir().string());
      break;
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("qtp"));
  QApplication::setApplicationVersion(QStringLiteral("1.0"));
  QApplication::setApplicationDisplayName(QString::fromLatin1(kTitle));
  // The program ends when the menu closes, not when some other window happens to be last.
  QApplication::setQuitOnLastWindowClosed(false);

  if (options.screenWidth > 0) platform::setScreenWidthOverride(options.screenWidth);

  std::unique_ptr<automation::EventLog> log;
  std::unique_ptr<automation::ScriptRunner> runner;
  if (script) {
    log = std::make_unique<automation::EventLog>(automation::writeStdoutLine);
    runner =
        std::make_unique<automation::ScriptRunner>(automation::parseScript(*script), log.get());
    if (!runner->runPrelude()) return 1;
  }

  TMainDLG menu;
  QObject::connect(&menu, &QDialog::finished, &app, [] { QCoreApplication::exit(0); });
  menu.show();
  if (runner) runner->start(&menu);
  int status = app.exec();
  if (runner) status = runner->finishAfterLoop();
  platform::logNote(std::string(kTitle) + " ends with status " + std::to_string(status));
  return status;
}
