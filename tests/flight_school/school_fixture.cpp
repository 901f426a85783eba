#include "school_fixture.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include "platform/registry.h"
#include "platform/screen.h"
#include "shell/install_state.h"
#include "shell/lesson_table.h"
#include "shell/message_form.h"

void FlightSchoolTest::SetUp() {
  WizardTest::SetUp();
  platform::setShellOpenRecorder(
      [this](const platform::ShellOpenRequest& r) { opened.push_back(r); });
}

void FlightSchoolTest::TearDown() {
  platform::setShellOpenRecorder(nullptr);
  platform::setScreenWidthOverride(0);
  WizardTest::TearDown();
}

void FlightSchoolTest::WithSchool(const std::function<void(TSyllabusDLG&)>& action,
                                  int screenWidth) {
  platform::setScreenWidthOverride(screenWidth);
  TSyllabusDLG page(nullptr);
  WhenFormShown(QStringLiteral("TSyllabusDLG"), [&](QWidget*) {
    action(page);
    if (page.isVisible()) page.close();
  });
  page.exec();
}

bool FlightSchoolTest::StoredLesson(int lesson) const {
  auto key = platform::RegistryKey::open(ProductKey, false);
  const auto value = key ? key->readInteger("M" + std::to_string(lesson)) : std::nullopt;
  return value && *value != 0;
}

QString CodeOf(int lesson) {
  return QString::number(lessons::kLessons.at(static_cast<std::size_t>(lesson)).code);
}

void TypeCode(TSyllabusDLG& page, const QString& text) {
  QTest::keyClicks(page.CodeEdit, text);
}

QString ShownHeading(const TSyllabusDLG& page) {
  return page.MissionMemo->document()->firstBlock().text();
}

namespace {

class DialogRecorder : public QObject {
 public:
  QStringList shown;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (dialog && event->type() == QEvent::Show) {
      shown << dialog->objectName();
      QTimer::singleShot(0, dialog, &QDialog::close);
    }
    return false;
  }
};

}  // namespace

QStringList DialogsShownDuring(const std::function<void()>& action) {
  DialogRecorder recorder;
  qApp->installEventFilter(&recorder);
  action();
  Settle();
  qApp->removeEventFilter(&recorder);
  return recorder.shown;
}
