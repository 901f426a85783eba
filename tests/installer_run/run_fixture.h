#pragma once
// A fresh demo prefix (both simulators, the product key) whose drive D: holds the sample CD, the
// user's folders inside the test's temporary folder, every message answered by a rule instead of
// a person, and the archives the run extracts collected in order.
#include <gtest/gtest.h>

#include <QPointer>
#include <QString>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "installer/setup2_dlg.h"
#include "shell/automation_hooks.h"
#include "tests/support/scoped_env.h"
#include "tests/support/temp_prefix.h"

class RunTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The sample CD as the build wrote it.
  static std::filesystem::path SampleCd();
  // Drive D: as a copy of the sample CD made of links, so that single archives can be replaced
  // or removed without touching the build's CD.
  void ReplaceCdFile(const std::string& cdPath, const std::optional<std::string>& bytes);

  std::filesystem::path Fs2000() const;
  std::filesystem::path Fs98() const;

  // Starts the run owned by `owner` without waiting for the timer's second and lets events run
  // until the window is gone.
  void RunInstallation(QWidget* owner = nullptr);

  // Value of the product key as stored; nullopt when missing.
  std::optional<bool> StoredBool(const char* name) const;
  std::optional<std::string> StoredString(const char* name) const;

  std::vector<QString> MessageTexts() const;

  // The answer given to a two-button message, by its text. Single-button messages are answered
  // with their button.
  std::map<QString, QString> answers;
  // Called from a zero-delay timer throughout the test, inside every message pump of the run.
  std::function<void()> onPump;

  testsupport::TempPrefix prefix;
  std::vector<hooks::MessageRecord> messages;
  std::vector<QString> archives;      // relative to the CD root, in order
  std::vector<QString> destinations;  // the folder of each
  std::vector<QString> plain;
  // The run window's status texts in the order they were shown, and whether the window was
  // found on screen as the wizard looks for it.
  std::vector<QString> statuses;
  bool windowSeen = false;
  // What the window showed at the moment the success message came up.
  int headingAtSuccess = -1;
  QString statusAtSuccess;

 private:
  void AnswerShownMessage();

  std::unique_ptr<testsupport::ScopedEnv> home_;
  std::unique_ptr<testsupport::ScopedEnv> dataHome_;
  std::unique_ptr<testsupport::ScopedEnv> configHome_;
  std::filesystem::path cd_;
  std::unique_ptr<QTimer> pump_;
};

// The members an archive of the sample CD holds (files and folders, '/' between folders).
std::vector<std::string> ArchiveMembers(const std::filesystem::path& archive);
