#pragma once
// Logs what a person would see while a walkthrough runs: every form shown or closed, every
// message and plain message with how it ended, every request to open something (which is
// recorded instead of carried out), every worker thread started and ended. It also knows the
// forms that are open, top one last.
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

namespace automation {

using LineWriter = std::function<void(const QString& line)>;

// Writes one line to standard output and flushes it, so the record survives any ending.
void writeStdoutLine(const QString& line);

class EventLog : public QObject {
  Q_OBJECT

 public:
  // Installs itself on the application and takes over the message, plain and open hooks.
  explicit EventLog(LineWriter writer);
  ~EventLog() override;

  // The visible forms in the order they were shown; the active form is the last.
  std::vector<QWidget*> openForms() const;
  QWidget* activeForm() const;

  void write(const QString& line) const {
    if (!muted_) writer_(line);
  }
  // From now on nothing is logged: what follows is the interpreter closing the forms itself.
  void mute() { muted_ = true; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  LineWriter writer_;
  std::vector<QPointer<QWidget>> forms_;
  bool muted_ = false;
};

}  // namespace automation
