// The program started from outside on a prefix that is not one, and with a log it cannot write.
#include <QDir>
#include <QFile>

#include "walkthrough.h"

namespace {

using e2e::WalkthroughTest;

TEST_F(WalkthroughTest, ANamedMissingPrefixEndsWithStatus2AndSaysWhy) {
  const QString missing = walk.folder() + "/Präfix mit Tippfehler/";
  const e2e::Outcome outcome = walk.runArguments({"--prefix", missing});
  EXPECT_EQ(outcome.exitCode, 2);
  const QString message =
      "qtp: the prefix \"" + missing + "\" does not exist; --create-prefix makes one\n";
  EXPECT_EQ(outcome.errors, message);
  EXPECT_FALSE(QDir(missing).exists());
  QFile log(walk.logFile());
  ASSERT_TRUE(log.open(QIODevice::ReadOnly));
  EXPECT_TRUE(QString::fromUtf8(log.readAll()).contains(" error: " + message.mid(5)));
}

TEST_F(WalkthroughTest, ALogThatCannotBeWrittenIsSaidOnceAndTheProgramRunsOn) {
  QDir().mkpath(walk.folder() + "/home/.local");
  QFile blocker(walk.folder() + "/home/.local/state");
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  const e2e::Outcome outcome = walk.run("expect-form TMainDLG\n", {"--verbose"});
  EXPECT_EQ(outcome.exitCode, 0);
  EXPECT_EQ(outcome.errors.count("cannot be written"), 1) << outcome.errors.toStdString();
  EXPECT_TRUE(outcome.errors.contains("qtp: simulator 2000: in C:\\"))
      << outcome.errors.toStdString();
}

}  // namespace
