#include "automation/event_log.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <cstdio>

#include "automation/escape.h"
#include "automation/inspect.h"
#include "controls/bmd_thread.h"
#include "platform/shell_open.h"
#include "shell/automation_hooks.h"

namespace automation {

namespace {

QString messageLine(const hooks::MessageRecord& record) {
  QString line =
      QStringLiteral("message %1 %2")
          .arg(record.red ? QStringLiteral("red") : QStringLiteral("white"), quoted(record.text));
  if (record.showOK) line += QStringLiteral(" ok=") + quoted(record.okCaption);
  if (record.showAbort) line += QStringLiteral(" abort=") + quoted(record.abortCaption);
  return line + QStringLiteral(" -> ") + cEscape(record.outcome);
}

QString openLine(const platform::ShellOpenRequest& request) {
  return QStringLiteral("open %1 verb=%2 params=%3 dir=%4")
      .arg(quoted(QString::fromStdString(request.target)),
           quoted(QString::fromStdString(request.verb)),
           quoted(QString::fromStdString(request.params)),
           quoted(QString::fromStdString(request.dir)));
}

bool isForm(const QObject* object) {
  const auto* dialog = qobject_cast<const QDialog*>(object);
  return dialog != nullptr && dialog->isWindow();
}

}  // namespace

void writeStdoutLine(const QString& line) {
  const QByteArray bytes = line.toUtf8();
  std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

EventLog::EventLog(LineWriter writer) : writer_(std::move(writer)) {
  qApp->installEventFilter(this);
  hooks::setMessageObserver(
      [this](const hooks::MessageRecord& record) { write(messageLine(record)); });
  hooks::setPlainObserver(
      [this](const QString& text) { write(QStringLiteral("plain ") + quoted(text)); });
  platform::setShellOpenRecorder(
      [this](const platform::ShellOpenRequest& request) { write(openLine(request)); });
  hooks::setFileReadObserver([this](const QString& path, const QString& failure) {
    write(QStringLiteral("read ") + quoted(path) +
          (failure.isEmpty() ? QString() : QStringLiteral(" failed ") + quoted(failure)));
  });
  TBMDThread::SetObserver([this](const TBMDThread& component, bool started) {
    write(QStringLiteral("worker %1 %2")
              .arg(component.objectName(),
                   started ? QStringLiteral("started") : QStringLiteral("ended")));
  });
}

EventLog::~EventLog() {
  hooks::setMessageObserver({});
  hooks::setPlainObserver({});
  hooks::setFileReadObserver({});
  TBMDThread::SetObserver({});
  platform::setShellOpenRecorder({});
}

std::vector<QWidget*> EventLog::openForms() const {
  std::vector<QWidget*> open;
  for (const QPointer<QWidget>& form : forms_) {
    if (form && form->isVisible()) open.push_back(form);
  }
  return open;
}

QWidget* EventLog::activeForm() const {
  const std::vector<QWidget*> open = openForms();
  return open.empty() ? nullptr : open.back();
}

bool EventLog::eventFilter(QObject* watched, QEvent* event) {
  const bool show = event->type() == QEvent::Show;
  const bool hide = event->type() == QEvent::Hide;
  if ((show || hide) && !event->spontaneous() && isForm(watched)) {
    auto* form = static_cast<QWidget*>(watched);
    std::erase_if(forms_, [form](const QPointer<QWidget>& f) { return f.isNull() || f == form; });
    if (show) forms_.emplace_back(form);
    write(QStringLiteral("form %1 %2")
              .arg(formName(form), show ? QStringLiteral("shown") : QStringLiteral("closed")));
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace automation
