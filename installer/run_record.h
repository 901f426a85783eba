#pragma once
// The installation run's journal as the run's steps reach it: each step that creates or replaces
// a folder, file or link tells it first, so that a component can be sealed into the install log
// when it completes and undone when it fails or is stopped. Outside a recording every call does
// nothing and succeeds, so that the steps work alone too.
#include <QString>
#include <QStringList>
#include <filesystem>
#include <functional>

#include "installer/record/install_record.h"

namespace runrecord {

// Records the run into the simulator folder (a Windows path) while it lives, after recovering
// what a killed run left there. At its end the component that did not complete is undone.
class Recording {
 public:
  explicit Recording(const QString& simulatorFolder);
  ~Recording();
  Recording(const Recording&) = delete;
  Recording& operator=(const Recording&) = delete;
};

// While it lives, intents belong to the run's shared steps (the uninstaller, the links), which
// are sealed with the first component that completes.
class SharedSteps {
 public:
  SharedSteps();
  ~SharedSteps();
  SharedSteps(const SharedSteps&) = delete;
  SharedSteps& operator=(const SharedSteps&) = delete;
};

// Each false when the intent could not be made durable (logged): the step must not be taken.
bool willCreateFolders(const std::filesystem::path& folder,
                       installrecord::Kind kind = installrecord::Kind::FolderCreated);
bool willWrite(const std::filesystem::path& file);
bool willExtractInto(const std::filesystem::path& folder);
bool adoptFolder(const std::filesystem::path& folder);
// The step is done.
void wrote(const std::filesystem::path& file,
           installrecord::Kind kind = installrecord::Kind::FileCreated);
// A scenery entry at a file of the simulator folder.
void addEntry(installrecord::Kind kind, const std::filesystem::path& file, const std::string& text,
              const std::string& pattern = {});

// The component is complete: its block (one per flag) goes into the install log, then setFlags
// records it. False when the log could not be written (logged; nothing sealed or recorded).
bool seal(const QStringList& flags, const std::function<void()>& setFlags);
void rollBackComponent();

// The host path of a Windows path.
std::filesystem::path host(const QString& windowsPath);

}  // namespace runrecord
