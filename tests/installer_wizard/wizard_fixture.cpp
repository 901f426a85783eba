#include "wizard_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <memory>

#include "controls/radio_group.h"
#include "platform/registry.h"
#include "shell/install_state.h"
#include "shell/message_form.h"

namespace {

constexpr const char* kProductKey = "SOFTWARE\\NORVANE\\QTP\\1.0";

}  // namespace

// A message that nobody answered would wait for a person forever: fail the test and close it.
struct UnansweredMessageGuard {
  bool active = true;
  int checksShown = 0;

  void schedule(std::shared_ptr<UnansweredMessageGuard> self) {
    QTimer::singleShot(100, [self] {
      if (!self->active) return;
      self->checksShown = MessageForm && MessageForm->isVisible() ? self->checksShown + 1 : 0;
      if (self->checksShown > 20) {
        ADD_FAILURE() << "unanswered message " << MessageForm->MSGLabel->text().toStdString();
        MessageForm->close();
      }
      self->schedule(self);
    });
  }
};

void WizardTest::SetUp() {
  guard_ = std::make_shared<UnansweredMessageGuard>();
  guard_->schedule(guard_);
  hooks::clearAll();
  ResetProgramState();
  hooks::setMessageObserver(
      [this](const hooks::MessageRecord& record) { messages.push_back(record); });
  hooks::setPlainObserver([this](const QString& text) { plain.push_back(text); });
  ASSERT_TRUE(platform::RegistryKey::open(kProductKey, true));
}

void WizardTest::TearDown() {
  guard_->active = false;
  hooks::clearAll();
  ResetProgramState();
}

void WizardTest::InstallFS2000() {
  testsupport::TempPrefix::writeFile(prefix.driveC() / "FS2000" / "FS2000.EXE", "MZ");
  FS2000Path = QStringLiteral("C:\\FS2000\\");
}

void WizardTest::InstallFS98() {
  testsupport::TempPrefix::writeFile(prefix.driveC() / "FS98" / "FLTSIM98.EXE", "MZ");
  FS98Path = QStringLiteral("C:\\FS98\\");
}

std::optional<std::string> WizardTest::Stored(const char* name) const {
  auto key = platform::RegistryKey::open(kProductKey, false);
  return key ? key->readString(name) : std::nullopt;
}

std::vector<QString> WizardTest::MessageTexts() const {
  std::vector<QString> texts;
  for (const hooks::MessageRecord& record : messages) texts.push_back(record.text);
  return texts;
}

QCheckBox* CheckBox(QWidget* form, const char* name) {
  return qobject_cast<QCheckBox*>(Control(form, name));
}

TRadioGroup* RadioGroup(QWidget* form, const char* name) {
  return qobject_cast<TRadioGroup*>(Control(form, name));
}

void TypeInto(QWidget* form, const char* edit, const QString& text) {
  auto* line = qobject_cast<QLineEdit*>(Control(form, edit));
  ASSERT_NE(line, nullptr);
  line->setText(text);
}

namespace {

// Looks for a dialog other than the message box from fresh zero-delay timers, so that it runs
// inside any modal loop the action opens, until the action has returned.
struct DialogWatch {
  bool watching = true;
  QString shown;

  void schedule(std::shared_ptr<DialogWatch> self) {
    QTimer::singleShot(0, [self] {
      if (!self->watching) return;
      QWidget* modal = QApplication::activeModalWidget();
      if (modal && modal->objectName() != QLatin1String("TMessageForm")) {
        self->shown = modal->objectName();
        modal->close();
      }
      self->schedule(self);
    });
  }
};

}  // namespace

void ExpectNoDialog(const std::function<void()>& action) {
  auto watch = std::make_shared<DialogWatch>();
  watch->schedule(watch);
  action();
  watch->watching = false;
  Settle();
  EXPECT_TRUE(watch->shown.isEmpty()) << "unexpected dialog " << watch->shown.toStdString();
}
