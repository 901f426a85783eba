// Names in a folder as Windows finds them: letter case does not matter, so an archive member
// goes into the folder or over the file that already holds its name in another case.
#pragma once

#include <sys/types.h>
#include <time.h>

#include <map>
#include <string>
#include <utility>

namespace unrar {

// The form of a name that Windows compares: every character upper-cased; bytes that are not
// UTF-8 stay as they are and match only themselves.
std::u32string comparedForm(const std::string& utf8Name);

inline bool sameNameIgnoringCase(const std::string& a, const std::string& b) {
  return comparedForm(a) == comparedForm(b);
}

// The listings of the folders one archive is extracted into, kept so that looking for a name in
// another letter case does not read a large folder again for every member. A listing is read
// again when the folder's modification time shows a change this class was not told of (a change
// by others within the same clock tick as one of ours can go unseen until the next one).
class FolderNames {
 public:
  // The entry of the open folder `dirFd` that stands for `name`: `name` itself when it exists,
  // else the first (in byte order) entry that matches it without regard to case, else `name`.
  // Links are not followed, only named.
  std::string existingName(int dirFd, const std::string& name);
  // Tells that `name` was just made in the folder.
  void added(int dirFd, const std::string& name);

 private:
  struct Listing {
    timespec modified{};
    std::map<std::u32string, std::string> firstByForm;
  };
  // The folder's listing, read again when its modification time is not the one last seen (or
  // when `reread` asks for it).
  Listing* current(int dirFd, bool reread);

  std::map<std::pair<dev_t, ino_t>, Listing> listings_;
};

}  // namespace unrar
