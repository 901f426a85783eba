#include "installer/run_record.h"

#include <memory>

#include "installer/record/run_journal.h"
#include "platform/paths.h"
#include "platform/prefix.h"
#include "platform/program_log.h"
#include "shell/install_state.h"

namespace runrecord {

namespace fs = std::filesystem;

namespace {

std::unique_ptr<installrecord::RunJournal> journal;
fs::path simulator;

bool succeeded(const std::string& error) {
  if (error.empty()) return true;
  platform::logReport("install journal: " + error);
  return false;
}

}  // namespace

fs::path host(const QString& windowsPath) {
  return platform::toHost(windowsPath.toStdString());
}

Recording::Recording(const QString& simulatorFolder) {
  RecoverInterruptedRuns();
  simulator = host(simulatorFolder);
  if (!simulator.empty())
    journal = std::make_unique<installrecord::RunJournal>(simulator, platform::currentPrefixDir());
}

// The component that did not complete is undone; the shared steps stay as the run made them,
// sealed on their own when no component took them.
Recording::~Recording() {
  if (!journal) return;
  journal->rollBackComponent();
  if (!journal->empty() &&
      !succeeded(journal->seal({std::string(installrecord::kSharedStepsComponent)}, [] {})))
    journal->rollBackAll();
  journal.reset();
}

SharedSteps::SharedSteps() {
  if (journal) journal->setShared(true);
}

SharedSteps::~SharedSteps() {
  if (journal) journal->setShared(false);
}

bool willCreateFolders(const fs::path& folder, installrecord::Kind kind) {
  return !journal || succeeded(journal->willCreateFolder(folder, kind));
}

bool willWrite(const fs::path& file) {
  return !journal || succeeded(journal->willWriteFile(file));
}

bool willExtractInto(const fs::path& folder) {
  return !journal || succeeded(journal->willExtractInto(folder));
}

bool adoptFolder(const fs::path& folder) {
  return !journal || succeeded(journal->adoptFolder(folder));
}

void wrote(const fs::path& file, installrecord::Kind kind) {
  if (journal) journal->wroteFile(file, kind);
}

void addEntry(installrecord::Kind kind, const fs::path& file, const std::string& text,
              const std::string& pattern) {
  if (!journal) return;
  installrecord::Record record = installrecord::placed(kind, simulator, {}, file);
  record.text = text;
  record.pattern = pattern;
  journal->add(std::move(record));
}

bool seal(const QStringList& flags, const std::function<void()>& setFlags) {
  if (!journal) {
    setFlags();
    return true;
  }
  std::vector<std::string> names;
  for (const QString& flag : flags) names.push_back(flag.toStdString());
  return succeeded(journal->seal(names, setFlags));
}

void rollBackComponent() {
  if (journal) journal->rollBackComponent();
}

}  // namespace runrecord
