#pragma once
// One archive of the sample CD as it is being filled: files by their Windows names, each folder
// on the way stored once as its own member before the first file in it, as an archiver that is
// given whole folders does. Member counts include those folder entries, since the archive
// component reports every member it extracts, folders too.
#include <cstddef>
#include <filesystem>
#include <functional>
#include <set>
#include <string>

#include "content/rar_writer/rar_writer.h"

namespace samplecd {

class ArchiveTree {
 public:
  // `name` uses '\' between folders; its parent folders are added when they are new.
  void addFile(const std::string& name, std::string data);
  // A program that is run once installed: stored with Unix execute permission (0755), so that
  // it comes out of the archive ready to run.
  void addProgram(const std::string& name, std::string data);
  void addFolder(const std::string& name);

  std::size_t memberCount() const { return writer_.memberCount(); }

  // Adds files made by `makeFile(i)` for i = 0, 1, ... until the archive holds exactly `members`
  // members (their new folders included). Throws std::logic_error when it already holds more
  // or a file would overshoot the count with its folders.
  void fillTo(std::size_t members,
              const std::function<std::pair<std::string, std::string>(int)>& makeFile);

  // Throws std::runtime_error when the file cannot be written.
  void write(const std::filesystem::path& path) const { writer_.write(path); }

 private:
  std::size_t newFolders(const std::string& name) const;
  void addParentFolders(const std::string& name);

  rarwriter::RarWriter writer_;
  std::set<std::string> folders_;  // upper-cased, as Windows compares them
};

}  // namespace samplecd
