#include "archive_tree.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace samplecd {

namespace {

std::string upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

}  // namespace

std::size_t ArchiveTree::newFolders(const std::string& name) const {
  std::size_t count = 0;
  for (auto slash = name.find('\\'); slash != std::string::npos;
       slash = name.find('\\', slash + 1)) {
    if (!folders_.contains(upper(name.substr(0, slash)))) ++count;
  }
  return count;
}

void ArchiveTree::addFolder(const std::string& name) {
  for (auto slash = name.find('\\'); slash != std::string::npos;
       slash = name.find('\\', slash + 1)) {
    addFolder(name.substr(0, slash));
  }
  if (folders_.insert(upper(name)).second) writer_.addFolder(name);
}

void ArchiveTree::addParentFolders(const std::string& name) {
  const auto slash = name.rfind('\\');
  if (slash != std::string::npos) addFolder(name.substr(0, slash));
}

void ArchiveTree::addFile(const std::string& name, std::string data) {
  addParentFolders(name);
  writer_.addFile(name, std::move(data));
}

void ArchiveTree::addProgram(const std::string& name, std::string data) {
  addParentFolders(name);
  writer_.addUnixFile(name, std::move(data), 0755);
}

void ArchiveTree::fillTo(std::size_t members,
                         const std::function<std::pair<std::string, std::string>(int)>& makeFile) {
  for (int i = 0; memberCount() < members; ++i) {
    auto [name, data] = makeFile(i);
    if (memberCount() + newFolders(name) + 1 > members)
      throw std::logic_error("filling up to " + std::to_string(members) +
                             " members overshoots at " + name);
    addFile(name, std::move(data));
  }
  if (memberCount() != members)
    throw std::logic_error("archive already holds " + std::to_string(memberCount()) +
                           " members, more than " + std::to_string(members));
}

}  // namespace samplecd
