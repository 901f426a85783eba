#pragma once
// Runs a walkthrough against the live program. Every command starts from a fresh zero-delay
// single-shot timer, so the script carries on inside the modal loops its own clicks open;
// before each command the pending events run and nested loops that are done unwind.
#include <QDeadlineTimer>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <optional>
#include <vector>

#include "automation/event_log.h"
#include "automation/script.h"

namespace automation {

class ScriptRunner : public QObject {
  Q_OBJECT

 public:
  ScriptRunner(std::vector<ScriptLine> lines, EventLog* log);

  // Runs the leading `screen` lines, which must take effect before the first form shows.
  // Returns false when one of them failed (the fail line is written).
  bool runPrelude();

  // Starts the rest once the program's loop runs; `mainForm` is the form whose closing ends it.
  void start(QWidget* mainForm);

  // After the program's loop ended: a script cut short by the program's end fails on the
  // first line that did not run. Returns the exit status.
  int finishAfterLoop();

  struct Result {
    bool ok = true;
    QString why;
    int delayMs = 0;     // how long to wait before the next command
    bool again = false;  // the line is not done yet: run it again after delayMs
  };

 private:
  struct Command {
    const char* name;
    int minArgs;
    int maxArgs;
    bool mayBlock;  // may run a modal loop before it returns
    Result (ScriptRunner::*run)(const QStringList& args);
  };
  static const std::vector<Command>& commands();

  void scheduleSettle(int delayMs);
  void settle(int pass, int lastLoopLevel, const QWidget* lastModal);
  int modalFormsOpen() const;
  void runNext();
  void finishScript();
  void fail(const QString& where, const QString& why);
  void stop(int exitCode);

  Result control(const QString& name, QWidget** out) const;

  Result screen(const QStringList& args);
  Result answer(const QStringList& args);
  Result answerPlain(const QStringList& args);
  Result click(const QStringList& args);
  Result rclick(const QStringList& args);
  Result move(const QStringList& args);
  Result type(const QStringList& args);
  Result key(const QStringList& args);
  Result choose(const QStringList& args);
  Result check(const QStringList& args);
  Result expect(const QStringList& args);
  Result set(const QStringList& args);
  Result expectForm(const QStringList& args);
  Result dump(const QStringList& args);
  Result shot(const QStringList& args);
  Result wait(const QStringList& args);
  Result waitForm(const QStringList& args);
  Result idle(const QStringList& args);
  Result clickWith(const QStringList& args, Qt::MouseButton button);

  std::vector<ScriptLine> lines_;
  EventLog* log_;
  QPointer<QWidget> mainForm_;
  size_t next_ = 0;
  int idlePasses_ = 0;  // set by `idle` for the settling before the next command
  std::optional<QDeadlineTimer> formDeadline_;  // while a `wait-form` line waits
  bool stopped_ = false;
  int exitCode_ = 0;
};

}  // namespace automation
