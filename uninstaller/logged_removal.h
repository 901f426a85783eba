#pragma once
// Undoing the install log's records one by one: a file only while it is the file the run left,
// a folder only when it is empty, a scenery entry only as the run wrote it. In a dry run nothing
// changes, but what would be removed counts as gone for the folders that hold it, so that the
// dry run lists what the real one does.
#include <filesystem>
#include <set>
#include <string>

#include "installer/record/install_record.h"
#include "uninstaller/anchored_folder.h"
#include "uninstaller/report.h"

namespace uninstall {

class LoggedRemoval {
 public:
  // `prefix` (null when unknown) holds the records placed relative to the prefix.
  LoggedRemoval(const AnchoredFolder& simulator, const AnchoredFolder* prefix, Report& report)
      : simulator_(simulator), prefix_(prefix), report_(report) {}

  void undo(const installrecord::Record& record);

  // Removes the simulator folder's file or empty folder at `relative` that is no record (the log
  // itself); false when it stays.
  bool removeUnlisted(const std::string& relative, bool folder);

 private:
  struct Place;
  Place placeOf(const installrecord::Record& record) const;
  static AnchoredFolder::Entry lookAt(const Place& place);

  void undoFile(const Place& place, const installrecord::Record& record);
  void undoFolder(const Place& place);
  void undoSceneryText(const Place& place, const installrecord::Record& record);

  // Removes (or marks as removed in a dry run) and reports; false when the removal failed.
  bool removeAt(const Place& place, bool folder);
  bool folderEmpty(const Place& place) const;

  const AnchoredFolder& simulator_;
  const AnchoredFolder* prefix_;
  Report& report_;
  std::set<std::filesystem::path> removed_;  // host paths, for a dry run's folders
};

}  // namespace uninstall
