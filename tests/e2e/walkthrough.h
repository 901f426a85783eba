#pragma once
// Runs the built program with a walkthrough script in a fresh demo prefix, as a person or a
// tool would from outside, and collects what it printed and how it ended.
#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace e2e {

struct Outcome {
  int exitCode = -1;
  bool finished = false;  // false: the program had to be killed
  QStringList lines;      // standard output, one entry per line
  QString errors;         // standard error
};

class Walkthrough {
 public:
  Walkthrough();

  bool ready() const { return ready_; }
  QString prefix() const { return dir_.filePath(QStringLiteral("prefix")); }
  QString folder() const { return dir_.path(); }
  QString logFile() const { return dir_.filePath(QStringLiteral("home/.local/state/qtp/qtp.log")); }

  // Values for the product key, e.g. {"AC2K1=1", "CDDrive=D:\\"}: written to the prefix's
  // qtp.reg as numbers (digits) or strings before the program starts.
  void setProductValues(const QStringList& nameEqualsValue) const;

  Outcome run(const QString& script, const QStringList& extraArguments = {}) const;
  Outcome runArguments(const QStringList& arguments) const;

 private:
  QTemporaryDir dir_;
  bool ready_ = false;
};

// A test with its own demo prefix.
class WalkthroughTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(walk.ready()); }
  // Runs a script that must hold from start to end (exit status 0) and returns its output.
  QStringList holds(const QString& script, const QStringList& extraArguments = {}) const;

  Walkthrough walk;
};

// Whether `wanted` occur in `lines` in this order (other lines may come between).
::testing::AssertionResult inOrder(const QStringList& lines, const QStringList& wanted);

}  // namespace e2e
