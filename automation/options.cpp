#include "automation/options.h"

#include "qtp_usage.h"

namespace automation {

namespace {

ProgramOptions failWith(const QString& why) {
  ProgramOptions options;
  options.action = ProgramOptions::Action::Error;
  options.error = why;
  return options;
}

}  // namespace

QString usageText() {
  return QString::fromUtf8(kQtpUsage);
}

ProgramOptions parseOptions(const QStringList& arguments) {
  ProgramOptions options;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    QString name = arguments.at(i);
    QString value;
    bool hasValue = false;
    const qsizetype equals = name.indexOf(QLatin1Char('='));
    if (name.startsWith(QLatin1String("--")) && equals > 0) {
      value = name.mid(equals + 1);
      name.truncate(equals);
      hasValue = true;
    }
    const bool helpOrVersion =
        name == QLatin1String("--help") || name == QLatin1String("--version");
    if (helpOrVersion || name == QLatin1String("--create-prefix") ||
        name == QLatin1String("--verbose")) {
      if (hasValue) return failWith(QStringLiteral("%1 takes no value").arg(name));
      if (name == QLatin1String("--create-prefix")) options.createPrefix = true;
      if (name == QLatin1String("--verbose")) options.verbose = true;
      // Of --help and --version the first wins; later arguments are still checked.
      if (helpOrVersion && options.action == ProgramOptions::Action::Run) {
        options.action = name == QLatin1String("--help") ? ProgramOptions::Action::Help
                                                         : ProgramOptions::Action::Version;
      }
      continue;
    }
    const bool takesValue = name == QLatin1String("--prefix") ||
                            name == QLatin1String("--screen-width") ||
                            name == QLatin1String("--automate");
    if (!takesValue) return failWith(QStringLiteral("unknown argument \"%1\"").arg(name));
    if (!hasValue) {
      if (i + 1 >= arguments.size()) return failWith(QStringLiteral("%1 needs a value").arg(name));
      value = arguments.at(++i);
    }
    if (value.isEmpty()) return failWith(QStringLiteral("%1 needs a value").arg(name));
    if (name == QLatin1String("--prefix")) {
      options.prefix = value;
    } else if (name == QLatin1String("--automate")) {
      options.scriptFile = value;
    } else {
      bool ok = false;
      const int width = value.toInt(&ok);
      if (!ok || width <= 0) {
        return failWith(
            QStringLiteral("--screen-width needs a positive number of pixels, not \"%1\"")
                .arg(value));
      }
      options.screenWidth = width;
    }
  }
  return options;
}

}  // namespace automation
