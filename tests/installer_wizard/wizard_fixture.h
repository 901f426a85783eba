#pragma once
// A fresh program state in a test prefix with the product key in place, the messages shown
// collected, and helpers to reach the wizard's controls.
#include <gtest/gtest.h>

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "shell/automation_hooks.h"
#include "tests/shell/shell_test_support.h"
#include "tests/support/temp_prefix.h"

class QCheckBox;
struct UnansweredMessageGuard;
class TRadioGroup;

class WizardTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A simulator folder on drive C: holding its program file, recorded as detection would.
  void InstallFS2000();
  void InstallFS98();

  // The value as stored in the product key.
  std::optional<std::string> Stored(const char* name) const;

  // The texts of the messages shown so far, in order.
  std::vector<QString> MessageTexts() const;

  testsupport::TempPrefix prefix;
  std::vector<hooks::MessageRecord> messages;
  std::vector<QString> plain;

 private:
  std::shared_ptr<UnansweredMessageGuard> guard_;
};

QCheckBox* CheckBox(QWidget* form, const char* name);
TRadioGroup* RadioGroup(QWidget* form, const char* name);
void TypeInto(QWidget* form, const char* edit, const QString& text);

// Fails the test if a modal dialog comes up during `action`, and closes it so nothing blocks.
void ExpectNoDialog(const std::function<void()>& action);
