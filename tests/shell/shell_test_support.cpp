#include "shell_test_support.h"

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include "platform/screen.h"
#include "platform/shell_open.h"
#include "shell/automation_hooks.h"
#include "shell/message_form.h"
#include "shell/program_state.h"

namespace {

class QtApplicationEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "shell_tests";
    static char* argv[] = {name, nullptr};
    app_ = new QApplication(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
  }
  void TearDown() override {
    delete app_;
    app_ = nullptr;
  }

 private:
  QApplication* app_ = nullptr;
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

void Poll(const QString& formName, std::function<void(QWidget*)> action, int triesLeft) {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal && modal->objectName() == formName && modal->isVisible()) {
    action(modal);
    return;
  }
  if (triesLeft == 0) {
    ADD_FAILURE() << "form " << formName.toStdString() << " never came up";
    if (modal) modal->close();
    return;
  }
  QTimer::singleShot(triesLeft > 900 ? 0 : 5,
                     [formName, action, triesLeft] { Poll(formName, action, triesLeft - 1); });
}

}  // namespace

void WhenFormShown(const QString& formName, std::function<void(QWidget*)> action) {
  QTimer::singleShot(0, [formName, action] { Poll(formName, action, 1000); });
}

void ClickControl(QWidget* control, QPoint at) {
  if (at == QPoint(-1, -1)) at = control->rect().center();
  QWidget* window = control->window();
  QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                    control->mapTo(window, at));
}

void MoveOver(QWidget* control, QPoint at) {
  const QPointF global = control->mapToGlobal(QPointF(at));
  QMouseEvent move(QEvent::MouseMove, QPointF(at), global, Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(control, &move);
}

QWidget* Control(QWidget* form, const char* name) {
  auto* control = form->findChild<QWidget*>(QString::fromLatin1(name));
  EXPECT_NE(control, nullptr) << "no control " << name << " on "
                              << form->objectName().toStdString();
  return control;
}

void Settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

void ShellPageTest::SetUp() {
  hooks::clearAll();
  ResetProgramState();
}

void ShellPageTest::TearDown() {
  hooks::clearAll();
  platform::setScreenWidthOverride(0);
  platform::setShellOpenRecorder(nullptr);
  ResetProgramState();
}
