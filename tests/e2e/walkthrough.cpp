#include "walkthrough.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include "demo_prefix.h"

namespace e2e {

namespace {

// A run that extracts and journals the scenery's thousands of files takes minutes under the
// sanitizers on a loaded machine; a hung program is still killed well within the test timeout.
constexpr int kTimeoutMs = 240000;

void writeText(const QString& path, const QString& text) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
  file.write(text.toUtf8());
}

QString registryString(QString text) {
  return '"' + text.replace('\\', "\\\\").replace('"', "\\\"") + '"';
}

}  // namespace

Walkthrough::Walkthrough() {
  std::string why;
  ready_ = dir_.isValid() && demo::makeDemoPrefix(prefix().toStdString(), &why);
  EXPECT_TRUE(ready_) << why;
}

void Walkthrough::setProductValues(const QStringList& nameEqualsValue) const {
  static const QRegularExpression kNumber(QStringLiteral("^[0-9]+$"));
  QString text =
      QStringLiteral("WINE REGISTRY Version 2\n\n[SOFTWARE\\\\NORVANE\\\\QTP\\\\1.0] 0\n");
  for (const QString& entry : nameEqualsValue) {
    const QString name = entry.section('=', 0, 0);
    const QString value = entry.section('=', 1);
    text += registryString(name) + '=' +
            (kNumber.match(value).hasMatch()
                 ? QStringLiteral("dword:%1").arg(value.toUInt(), 8, 16, QLatin1Char('0'))
                 : registryString(value)) +
            '\n';
  }
  writeText(prefix() + "/qtp.reg", text);
}

Outcome Walkthrough::run(const QString& script, const QStringList& extraArguments) const {
  const QString file = dir_.filePath(QStringLiteral("walk.qtpw"));
  writeText(file, script);
  return runArguments(QStringList{"--prefix", prefix(), "--automate", file} + extraArguments);
}

Outcome Walkthrough::runArguments(const QStringList& arguments) const {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  // Nothing outside the test's folder: home, data and runtime folders all live in it.
  const QString home = dir_.filePath(QStringLiteral("home"));
  QDir().mkpath(home);
  QDir().mkpath(dir_.filePath(QStringLiteral("runtime")));
  QFile::setPermissions(dir_.filePath(QStringLiteral("runtime")),
                        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  environment.insert(QStringLiteral("HOME"), home);
  environment.insert(QStringLiteral("XDG_DATA_HOME"), home + "/.local/share");
  environment.insert(QStringLiteral("XDG_STATE_HOME"), home + "/.local/state");
  environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir_.filePath(QStringLiteral("runtime")));
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  environment.remove(QStringLiteral("QTP_PREFIX"));
  process.setProcessEnvironment(environment);
  process.setWorkingDirectory(dir_.path());
  process.start(QStringLiteral(QTP_EXECUTABLE), arguments);
  Outcome outcome;
  outcome.finished = process.waitForFinished(kTimeoutMs);
  if (!outcome.finished) {
    process.kill();
    process.waitForFinished();
  }
  outcome.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  const QString out = QString::fromUtf8(process.readAllStandardOutput());
  outcome.lines = out.split('\n', Qt::SkipEmptyParts);
  outcome.errors = QString::fromUtf8(process.readAllStandardError());
  return outcome;
}

QStringList WalkthroughTest::holds(const QString& script, const QStringList& extraArguments) const {
  const Outcome outcome = walk.run(script, extraArguments);
  EXPECT_TRUE(outcome.finished) << "the program had to be killed";
  EXPECT_EQ(outcome.exitCode, 0) << outcome.lines.join('\n').toStdString()
                                 << outcome.errors.toStdString();
  return outcome.lines;
}

::testing::AssertionResult inOrder(const QStringList& lines, const QStringList& wanted) {
  qsizetype from = 0;
  for (const QString& line : wanted) {
    const qsizetype at = lines.indexOf(line, from);
    if (at < 0) {
      return ::testing::AssertionFailure()
             << "missing (in order): " << line.toStdString() << "\n--- output ---\n"
             << lines.join('\n').toStdString();
    }
    from = at + 1;
  }
  return ::testing::AssertionSuccess();
}

}  // namespace e2e
