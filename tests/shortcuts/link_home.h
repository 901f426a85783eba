#pragma once
// A home folder of the test's own for the start menu and the desktop, and the checks every
// written link must pass.
#include <filesystem>
#include <memory>
#include <string>

#include "tests/support/scoped_env.h"

class LinkHome {
 public:
  // Points HOME and the XDG folders into `root`; the desktop folder exists, the programs
  // folder does not yet.
  explicit LinkHome(const std::filesystem::path& root);

  std::filesystem::path programs() const { return home_ / ".local" / "share" / "applications"; }
  std::filesystem::path group() const { return programs() / "Norvane" / "QTP"; }
  std::filesystem::path desktop() const { return home_ / "Desktop"; }

 private:
  std::filesystem::path home_;
  testsupport::ScopedEnv homeEnv_;
  testsupport::ScopedEnv dataEnv_;
  testsupport::ScopedEnv configEnv_;
};

// The value of `key` in the desktop entry, or "<missing>".
std::string EntryValue(const std::filesystem::path& entry, const std::string& key);

// Whether desktop-file-validate accepts the entry (its complaints go to the test's output).
bool ValidEntry(const std::filesystem::path& entry);
