#include "libs/unrar/windows_names.h"

#include <dirent.h>
#include <fcntl.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>
#include <wctype.h>

#include <cstdint>

namespace unrar {
namespace {

char asciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Bytes that do not form UTF-8 keep their identity apart from every character.
constexpr std::uint32_t kStrayByte = 0x80000000u;

// The next character of `text` from `pos` (advanced past it).
std::uint32_t nextCharacter(const std::string& text, std::size_t& pos) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(pos);
  std::size_t length = 1;
  std::uint32_t value = lead;
  std::uint32_t smallest = 0;  // below it the character would be written too long
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    value = lead & 0x1Fu;
    smallest = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    value = lead & 0x0Fu;
    smallest = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    value = lead & 0x07u;
    smallest = 0x10000;
  } else if (lead >= 0x80) {
    ++pos;
    return kStrayByte | lead;
  }
  if (pos + length > text.size()) {
    ++pos;
    return kStrayByte | lead;
  }
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(pos + i) & 0xC0u) != 0x80u) {
      ++pos;
      return kStrayByte | lead;
    }
    value = (value << 6) | (byte(pos + i) & 0x3Fu);
  }
  if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    ++pos;
    return kStrayByte | lead;
  }
  pos += length;
  return value;
}

std::uint32_t upperCase(std::uint32_t character) {
  if (character < 0x80) return static_cast<unsigned char>(asciiUpper(static_cast<char>(character)));
  if ((character & kStrayByte) != 0) return character;
  static const locale_t utf8 = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
  if (utf8 == locale_t{}) return character;
  return static_cast<std::uint32_t>(::towupper_l(static_cast<wint_t>(character), utf8));
}

}  // namespace

std::u32string comparedForm(const std::string& utf8Name) {
  std::u32string form;
  form.reserve(utf8Name.size());
  for (std::size_t pos = 0; pos < utf8Name.size();)
    form.push_back(static_cast<char32_t>(upperCase(nextCharacter(utf8Name, pos))));
  return form;
}

std::string FolderNames::existingName(int dirFd, const std::string& name) {
  struct stat st {};
  if (::fstatat(dirFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) return name;
  const std::u32string form = comparedForm(name);
  for (const bool reread : {false, true}) {
    const Listing* listing = current(dirFd, reread);
    if (listing == nullptr) return name;
    const auto found = listing->firstByForm.find(form);
    if (found == listing->firstByForm.end()) return name;
    // An entry removed since the listing was read sends us to read it again.
    if (::fstatat(dirFd, found->second.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0)
      return found->second;
  }
  return name;
}

void FolderNames::added(int dirFd, const std::string& name) {
  struct stat folder {};
  if (::fstat(dirFd, &folder) != 0) return;
  const auto known = listings_.find({folder.st_dev, folder.st_ino});
  if (known == listings_.end()) return;
  std::string& first = known->second.firstByForm[comparedForm(name)];
  if (first.empty() || name < first) first = name;
  known->second.modified = folder.st_mtim;
}

FolderNames::Listing* FolderNames::current(int dirFd, bool reread) {
  struct stat folder {};
  if (::fstat(dirFd, &folder) != 0) return nullptr;
  Listing& listing = listings_[{folder.st_dev, folder.st_ino}];
  if (!reread && !listing.firstByForm.empty() && listing.modified.tv_sec == folder.st_mtim.tv_sec &&
      listing.modified.tv_nsec == folder.st_mtim.tv_nsec)
    return &listing;
  listing = Listing{folder.st_mtim, {}};
  // The listing gets a descriptor of its own, which closedir closes.
  const int listFd = ::openat(dirFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  DIR* entries = listFd < 0 ? nullptr : ::fdopendir(listFd);
  if (entries == nullptr) {
    if (listFd >= 0) ::close(listFd);
    return nullptr;
  }
  while (const struct dirent* entry = ::readdir(entries)) {
    const std::string candidate = entry->d_name;
    if (candidate == "." || candidate == "..") continue;
    std::string& first = listing.firstByForm[comparedForm(candidate)];
    if (first.empty() || candidate < first) first = candidate;
  }
  ::closedir(entries);
  return &listing;
}

}  // namespace unrar
