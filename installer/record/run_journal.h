#pragma once
// The installation run's write-ahead journal: before the run creates or replaces anything, its
// intent is on disk, so that a component that fails, is stopped or is killed with the process
// can be undone, and a component that completes is sealed into the install log.
//
// NORVANE/INSTALL.LOG.journal in the simulator folder holds one intent a line, each written
// before the run acts on it (and flushed to disk where it guards replaced bytes); the replaced
// files' previous bytes lie in NORVANE/INSTALL.LOG.kept/ until their component completes. Intents
// are either the run's shared steps (the uninstaller copy, the links), which belong to whichever
// component completes first, or the current component's. A line cut off by a kill was never acted
// on.
//
//   QTP-INSTALL-JOURNAL 1
//   s folder /abs/NORVANE                 shared: the folder will be created
//   c create /abs/NORVANE/AZ/X.BGL        component: the file will be created
//   c replace /abs/SCENERY.CFG 3          ... replaced; its bytes are kept as INSTALL.LOG.kept/3
//   c dest /abs/NORVANE                   an archive extracts below this folder
//   sealing <hash of the log> SC2K        the log was being written with these components' blocks
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "installer/record/install_record.h"
#include "platform/unique_fd.h"

namespace installrecord {

std::filesystem::path journalPath(const std::filesystem::path& simulatorFolder);

// One line of the journal.
struct JournalIntent {
  bool shared = false;
  std::string op;  // folder, create, replace, dest
  std::filesystem::path path;
  std::string kept;  // replace: the kept copy's name
  Kind kind = Kind::FileCreated;
  bool done = false;  // the step was carried out (known only while the run lives)
};

class RunJournal {
 public:
  // Paths are recorded relative to the simulator folder or the prefix folder where they can be.
  RunJournal(std::filesystem::path simulatorFolder, std::filesystem::path prefixFolder);
  ~RunJournal() = default;
  RunJournal(const RunJournal&) = delete;
  RunJournal& operator=(const RunJournal&) = delete;

  // Intents go to the shared steps while set, else to the current component.
  void setShared(bool shared) { shared_ = shared; }

  // Each returns the error when the intent could not be made durable; the caller must then not
  // act. Records are taken in memory once the caller says the step is done.
  std::string willCreateFolder(const std::filesystem::path& folder, Kind kind);
  std::string willWriteFile(const std::filesystem::path& file);
  std::string willExtractInto(const std::filesystem::path& folder);
  // A folder made for this run before it began (the wizard's target folder), logged as created.
  std::string adoptFolder(const std::filesystem::path& folder);
  // The file is written now (created or replaced as its intent said): recorded with kind, or
  // with FileReplaced when it existed before.
  void wroteFile(const std::filesystem::path& file, Kind kind = Kind::FileCreated);
  void add(Record record);

  // Seals the records so far into the log, one block per flag (the records go into the first),
  // calls setFlags once the log is on disk, then forgets the intents and the kept bytes. The
  // error text, empty on success; on failure nothing is sealed and nothing undone.
  std::string seal(const std::vector<std::string>& flags, const std::function<void()>& setFlags);

  // Undoes the current component's intents (shared ones stay for a later component), or all.
  void rollBackComponent();
  void rollBackAll();

  bool empty() const { return intents_.empty(); }

 private:
  std::string append(JournalIntent intent);
  std::string openFile();
  void rewrite();
  void forget();

  std::filesystem::path simulator_;
  std::filesystem::path prefix_;
  std::filesystem::path file_;
  platform::UniqueFd fd_;
  bool shared_ = false;
  int keptCount_ = 0;
  std::vector<JournalIntent> intents_;
  std::vector<Record> extra_;  // scenery entries of the component
};

// What a run killed in the simulator folder left: when its log was already written the
// components' flags are returned for the caller to set, else everything it did is undone.
// Nothing when no run left anything; untrusted journal lines are ignored.
std::vector<std::string> recoverInterruptedRun(const std::filesystem::path& simulatorFolder);

}  // namespace installrecord
