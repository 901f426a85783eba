#include "automation/script_runner.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QThread>
#include <QTimer>

#include "automation/escape.h"
#include "automation/input.h"
#include "automation/inspect.h"
#include "platform/screen.h"
#include "shell/automation_hooks.h"

namespace automation {

namespace {

// Two passes with the same loop depth let a nested loop that is done unwind before the next
// command; the cap keeps a form that keeps opening and closing loops from stalling the script.
constexpr int kMinSettlePasses = 2;
constexpr int kMaxSettlePasses = 200;
// `idle`: this many passes, spaced by a millisecond, with every event and due timer run between.
constexpr int kIdlePasses = 25;
constexpr int kIdlePassMs = 1;
// `wait-form`: how often it looks for the form, and how long it waits unless told.
constexpr int kFormPollMs = 10;
constexpr int kFormWaitMs = 60000;

const QStringList kProperties = {
    QStringLiteral("visible"), QStringLiteral("enabled"), QStringLiteral("text"),
    QStringLiteral("caption"), QStringLiteral("hint"),    QStringLiteral("cursor"),
    QStringLiteral("checked"), QStringLiteral("index"),   QStringLiteral("geometry")};

ScriptRunner::Result failed(const QString& why) {
  return {false, why, 0};
}

bool toInt(const QString& text, int* value) {
  bool ok = false;
  *value = text.toInt(&ok);
  return ok;
}

}  // namespace

const std::vector<ScriptRunner::Command>& ScriptRunner::commands() {
  static const std::vector<Command> table = {
      {"screen", 1, 1, false, &ScriptRunner::screen},
      {"answer", 1, 1, false, &ScriptRunner::answer},
      {"answer-plain", 0, 0, false, &ScriptRunner::answerPlain},
      {"click", 1, 3, true, &ScriptRunner::click},
      {"rclick", 1, 3, true, &ScriptRunner::rclick},
      {"move", 3, 3, true, &ScriptRunner::move},
      {"type", 2, 2, true, &ScriptRunner::type},
      {"key", 1, 2, true, &ScriptRunner::key},
      {"choose", 2, 2, true, &ScriptRunner::choose},
      {"check", 2, 2, true, &ScriptRunner::check},
      {"expect", 3, 3, false, &ScriptRunner::expect},
      {"set", 3, 3, false, &ScriptRunner::set},
      {"expect-form", 1, 1, false, &ScriptRunner::expectForm},
      {"dump", 0, 0, false, &ScriptRunner::dump},
      {"shot", 1, 1, false, &ScriptRunner::shot},
      {"wait", 1, 1, false, &ScriptRunner::wait},
      {"wait-form", 1, 2, false, &ScriptRunner::waitForm},
      {"idle", 0, 0, false, &ScriptRunner::idle},
  };
  return table;
}

ScriptRunner::ScriptRunner(std::vector<ScriptLine> lines, EventLog* log)
    : lines_(std::move(lines)), log_(log) {}

bool ScriptRunner::runPrelude() {
  while (next_ < lines_.size() && !lines_[next_].words.isEmpty() &&
         lines_[next_].words.first() == QLatin1String("screen") &&
         lines_[next_].syntaxError.isEmpty()) {
    const ScriptLine& line = lines_[next_++];
    if (line.words.size() != 2) {
      fail(QString::number(line.number), QStringLiteral("screen takes one width"));
      return false;
    }
    const Result result = screen(line.words.mid(1));
    if (!result.ok) {
      fail(QString::number(line.number), result.why);
      return false;
    }
  }
  return true;
}

void ScriptRunner::start(QWidget* mainForm) {
  mainForm_ = mainForm;
  scheduleSettle(0);
}

int ScriptRunner::finishAfterLoop() {
  if (!stopped_) {
    stopped_ = true;
    if (next_ < lines_.size()) {
      log_->write(
          QStringLiteral("fail %1: the program ended before this line").arg(lines_[next_].number));
      exitCode_ = 1;
    }
  }
  return exitCode_;
}

void ScriptRunner::scheduleSettle(int delayMs) {
  QTimer::singleShot(delayMs, this, [this] { settle(0, -1, nullptr); });
}

// Each pass is one turn of whatever loop is running, never a nested processEvents: a timer that
// opens a modal form then does so in the loop's own frame, and the next pass runs inside it.
void ScriptRunner::settle(int pass, int lastLoopLevel, const QWidget* lastModal) {
  if (stopped_) return;
  const int level = QThread::currentThread()->loopLevel();
  const int wanted = std::max(kMinSettlePasses, idlePasses_);
  // Each open modal form runs one loop above the program's own; a deeper level means a form
  // has closed and its loop has yet to return to the code that opened it.
  const bool unwinding = level > 1 + modalFormsOpen();
  // A form that took the place of another at the same depth (a question answered, then a page
  // opened) gets the passes afresh, so that what it starts when shown runs first. The pointer
  // is only compared, never followed.
  const QWidget* modal = QApplication::activeModalWidget();
  const bool changed = level != lastLoopLevel || modal != lastModal;
  if ((pass < wanted || changed || unwinding) && pass < kMaxSettlePasses) {
    // While idling, the passes are spaced out so that short timers come due as well.
    QTimer::singleShot(idlePasses_ > 0 ? kIdlePassMs : 0, this,
                       [this, pass, level, modal] { settle(pass + 1, level, modal); });
    return;
  }
  idlePasses_ = 0;
  runNext();
}

int ScriptRunner::modalFormsOpen() const {
  const std::vector<QWidget*> open = log_->openForms();
  return static_cast<int>(std::count_if(open.begin(), open.end(), [](const QWidget* form) {
    return form->windowModality() != Qt::NonModal;
  }));
}

void ScriptRunner::runNext() {
  if (stopped_) return;
  // The program ends when its menu closes; lines that did not run are reported after the loop.
  // Should the menu merely hide with nothing else open, the program ends too, rather than
  // leaving a loop that nothing will ever drive again.
  const bool menuOpen = !mainForm_.isNull() && mainForm_->isVisible();
  if (!menuOpen && log_->openForms().empty()) {
    QCoreApplication::exit(0);
    return;
  }
  if (next_ >= lines_.size()) return finishScript();
  const size_t index = next_++;
  const ScriptLine& line = lines_[index];
  const QString where = QString::number(line.number);
  if (!line.syntaxError.isEmpty()) return fail(where, line.syntaxError);
  const QString name = line.words.first();
  const QStringList args = line.words.mid(1);
  const auto command =
      std::find_if(commands().begin(), commands().end(),
                   [&name](const Command& c) { return name == QLatin1String(c.name); });
  if (command == commands().end())
    return fail(where, QStringLiteral("unknown command \"%1\"").arg(cEscape(name)));
  if (args.size() < command->minArgs || args.size() > command->maxArgs) {
    const QString wanted =
        command->minArgs == command->maxArgs
            ? QString::number(command->minArgs)
            : QStringLiteral("%1 to %2").arg(command->minArgs).arg(command->maxArgs);
    return fail(where,
                QStringLiteral("%1 takes %2 words, not %3").arg(name, wanted).arg(args.size()));
  }
  // A command that may open a modal form schedules its successor first, so that the script
  // goes on inside that form's loop.
  if (command->mayBlock) scheduleSettle(0);
  const Result result = (this->*command->run)(args);
  if (!result.ok) return fail(where, result.why);
  if (result.again) next_ = index;
  if (!command->mayBlock) scheduleSettle(result.delayMs);
}

void ScriptRunner::finishScript() {
  std::vector<QWidget*> open = log_->openForms();
  std::erase(open, mainForm_.data());
  if (!open.empty())
    return fail(QStringLiteral("END"),
                QStringLiteral("form %1 still open").arg(formName(open.back())));
  stopped_ = true;
  exitCode_ = 0;
  if (mainForm_) mainForm_->close();
  QCoreApplication::exit(0);
}

void ScriptRunner::fail(const QString& where, const QString& why) {
  log_->write(QStringLiteral("fail %1: %2").arg(where, why));
  log_->mute();
  stop(1);
}

void ScriptRunner::stop(int exitCode) {
  stopped_ = true;
  exitCode_ = exitCode;
  // Answers the script queued belong to lines that will not run: a question asked while the
  // forms unwind must not get them.
  hooks::dropQueuedAnswers();
  // Leave every loop first: code that runs while the forms unwind cannot start a new one.
  QCoreApplication::exit(exitCode);
  std::vector<QWidget*> open = log_->openForms();
  for (auto form = open.rbegin(); form != open.rend(); ++form) {
    if (auto* dialog = qobject_cast<QDialog*>(*form)) {
      dialog->reject();
    } else {
      (*form)->hide();
    }
  }
}

ScriptRunner::Result ScriptRunner::control(const QString& name, QWidget** out) const {
  QWidget* form = log_->activeForm();
  if (form == nullptr) return failed(QStringLiteral("no form is open"));
  *out = findControl(form, name);
  if (*out == nullptr) {
    return failed(QStringLiteral("no control %1 in %2").arg(cEscape(name), formName(form)));
  }
  return {};
}

ScriptRunner::Result ScriptRunner::screen(const QStringList& args) {
  int width = 0;
  if (!toInt(args[0], &width) || width <= 0) {
    return failed(
        QStringLiteral("screen needs a positive width, not \"%1\"").arg(cEscape(args[0])));
  }
  platform::setScreenWidthOverride(width);
  return {};
}

ScriptRunner::Result ScriptRunner::answer(const QStringList& args) {
  hooks::queueMessageAnswer(args[0]);
  return {};
}

ScriptRunner::Result ScriptRunner::answerPlain(const QStringList&) {
  hooks::queuePlainAnswer();
  return {};
}

ScriptRunner::Result ScriptRunner::clickWith(const QStringList& args, Qt::MouseButton button) {
  QWidget* target = nullptr;
  if (Result r = control(args[0], &target); !r.ok) return r;
  std::optional<QPoint> at;
  if (args.size() == 3) {
    int x = 0;
    int y = 0;
    if (!toInt(args[1], &x) || !toInt(args[2], &y))
      return failed(QStringLiteral("X and Y must be numbers"));
    at = QPoint(x, y);
  } else if (args.size() != 1) {
    return failed(QStringLiteral("give both X and Y or neither"));
  }
  QString why;
  if (!input::click(target, at, button, &why)) return failed(why);
  return {};
}

ScriptRunner::Result ScriptRunner::click(const QStringList& args) {
  return clickWith(args, Qt::LeftButton);
}

ScriptRunner::Result ScriptRunner::rclick(const QStringList& args) {
  return clickWith(args, Qt::RightButton);
}

ScriptRunner::Result ScriptRunner::move(const QStringList& args) {
  QWidget* target = nullptr;
  if (Result r = control(args[0], &target); !r.ok) return r;
  int x = 0;
  int y = 0;
  if (!toInt(args[1], &x) || !toInt(args[2], &y))
    return failed(QStringLiteral("X and Y must be numbers"));
  QString why;
  if (!input::move(target, QPoint(x, y), &why)) return failed(why);
  return {};
}

ScriptRunner::Result ScriptRunner::type(const QStringList& args) {
  QWidget* target = nullptr;
  if (Result r = control(args[0], &target); !r.ok) return r;
  input::type(target, args[1]);
  return {};
}

ScriptRunner::Result ScriptRunner::key(const QStringList& args) {
  QString why;
  if (args.size() == 1) {
    QWidget* form = log_->activeForm();
    if (form == nullptr) return failed(QStringLiteral("no form is open"));
    if (!input::keyToFocus(form, args[0], &why)) return failed(why);
    return {};
  }
  QWidget* target = nullptr;
  if (Result r = control(args[0], &target); !r.ok) return r;
  if (!input::key(target, args[1], &why)) return failed(why);
  return {};
}

ScriptRunner::Result ScriptRunner::choose(const QStringList& args) {
  QWidget* target = nullptr;
  if (Result r = control(args[0], &target); !r.ok) return r;
  int index = 0;
  if (!toInt(args[1], &index)) return failed(QStringLiteral("INDEX must be a number"));
  QString why;
  if (!input::choose(target, index, &why)) return failed(why);
  return {};
}

ScriptRunner::Result ScriptRunner::check(const QStringList& args) {
  QWidget* target = nullptr;
  if (Result r = control(args[0], &target); !r.ok) return r;
  if (args[1] != QLatin1String("on") && args[1] != QLatin1String("off")) {
    return failed(QStringLiteral("check takes on or off"));
  }
  QString why;
  if (!input::check(target, args[1] == QLatin1String("on"), &why)) return failed(why);
  return {};
}

ScriptRunner::Result ScriptRunner::expect(const QStringList& args) {
  const QString& property = args[1];
  QWidget* target = nullptr;
  if (Result r = control(args[0], &target); !r.ok) return r;
  const std::optional<QString> actual = readProperty(target, property);
  if (!actual && !kProperties.contains(property)) {
    return failed(QStringLiteral("unknown property \"%1\"").arg(cEscape(property)));
  }
  if (!actual) return failed(QStringLiteral("%1 has no %2").arg(args[0], property));
  const QString expected = normaliseExpected(target, property, args[2]);
  if (*actual != expected) {
    return failed(QStringLiteral("%1 %2 is %3, expected %4")
                      .arg(args[0], property, quoted(*actual), quoted(args[2])));
  }
  return {};
}

ScriptRunner::Result ScriptRunner::set(const QStringList& args) {
  QWidget* target = nullptr;
  if (Result r = control(args[0], &target); !r.ok) return r;
  QString why;
  if (!writeProperty(target, args[1], args[2], &why)) return failed(why);
  return {};
}

ScriptRunner::Result ScriptRunner::expectForm(const QStringList& args) {
  const QString active = formName(log_->activeForm());
  if (active != args[0]) {
    return failed(QStringLiteral("the active form is %1, not %2").arg(active, cEscape(args[0])));
  }
  return {};
}

ScriptRunner::Result ScriptRunner::dump(const QStringList&) {
  QWidget* form = log_->activeForm();
  if (form == nullptr) return failed(QStringLiteral("no form is open"));
  for (const QWidget* c : controlsOf(form)) log_->write(dumpLine(c));
  return {};
}

ScriptRunner::Result ScriptRunner::shot(const QStringList& args) {
  QWidget* form = log_->activeForm();
  if (form == nullptr) return failed(QStringLiteral("no form is open"));
  const QFileInfo file(args[0]);
  if (!QDir().mkpath(file.absolutePath()) || !form->grab().save(file.absoluteFilePath())) {
    return failed(QStringLiteral("cannot write %1").arg(quoted(args[0])));
  }
  return {};
}

ScriptRunner::Result ScriptRunner::wait(const QStringList& args) {
  int ms = 0;
  if (!toInt(args[0], &ms) || ms < 0) {
    return failed(
        QStringLiteral("wait needs a number of milliseconds, not \"%1\"").arg(cEscape(args[0])));
  }
  return {true, {}, ms};
}

// Looks again after each poll, settled like any command, so the program runs meanwhile and
// the line after it starts as soon as the form is on top.
ScriptRunner::Result ScriptRunner::waitForm(const QStringList& args) {
  int ms = kFormWaitMs;
  if (args.size() == 2 && (!toInt(args[1], &ms) || ms <= 0)) {
    return failed(QStringLiteral("wait-form needs a positive number of milliseconds, not \"%1\"")
                      .arg(cEscape(args[1])));
  }
  const QString active = formName(log_->activeForm());
  if (active == args[0]) {
    formDeadline_.reset();
    return {};
  }
  if (!formDeadline_) formDeadline_ = QDeadlineTimer(ms);
  if (formDeadline_->hasExpired()) {
    formDeadline_.reset();
    return failed(QStringLiteral("form %1 not active after %2 ms; the active form is %3")
                      .arg(cEscape(args[0]))
                      .arg(ms)
                      .arg(active));
  }
  return {true, {}, kFormPollMs, true};
}

ScriptRunner::Result ScriptRunner::idle(const QStringList&) {
  idlePasses_ = kIdlePasses;
  return {};
}

}  // namespace automation
