#pragma once
// Helpers for driving the shell's forms in tests: a QApplication for the whole run, clicks
// delivered as a person's would be, and actions run once a modal form has come up.
#include <gtest/gtest.h>

#include <QApplication>
#include <QString>
#include <QWidget>
#include <functional>

// Runs `action` on the next modal form named `formName` once it is shown (polling from
// zero-delay timers, so it works inside nested modal loops).
void WhenFormShown(const QString& formName, std::function<void(QWidget*)> action);

// A left click in the middle of the control (or at `at`, in its own coordinates), delivered
// through its window so that hit masks apply.
void ClickControl(QWidget* control, QPoint at = QPoint(-1, -1));

// A pointer move to `at` in the control's own coordinates, with no button held.
void MoveOver(QWidget* control, QPoint at);

// The named descendant of a form; fails the test when it does not exist.
QWidget* Control(QWidget* form, const char* name);

// Lets pending events and zero-delay timers run.
void Settle();

// For tests of a page: no queued answers or observers, QuitAll clear, the real screen width and
// no shell-open recorder, before and after each test.
class ShellPageTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};
