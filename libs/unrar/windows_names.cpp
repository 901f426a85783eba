#include "libs/unrar/windows_names.h"

#include <dirent.h>
#include <fcntl.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>
#include <wctype.h>

#include <algorithm>
#include <cstdint>

namespace unrar {
namespace {

bool isAscii(const std::string& text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

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
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    value = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    value = lead & 0x0Fu;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    value = lead & 0x07u;
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
  pos += length;
  return value;
}

std::uint32_t upperCase(std::uint32_t character) {
  if ((character & kStrayByte) != 0) return character;
  static const locale_t utf8 = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
  if (utf8 == locale_t{})
    return character < 0x80 ? static_cast<unsigned char>(asciiUpper(static_cast<char>(character)))
                            : character;
  return static_cast<std::uint32_t>(::towupper_l(static_cast<wint_t>(character), utf8));
}

}  // namespace

bool sameNameIgnoringCase(const std::string& a, const std::string& b) {
  if (isAscii(a) && isAscii(b))
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
             return asciiUpper(x) == asciiUpper(y);
           });
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size())
    if (upperCase(nextCharacter(a, i)) != upperCase(nextCharacter(b, j))) return false;
  return i == a.size() && j == b.size();
}

std::string existingName(int dirFd, const std::string& name) {
  struct stat st {};
  if (::fstatat(dirFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) return name;
  // The listing gets a descriptor of its own, which closedir closes.
  const int listFd = ::openat(dirFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (listFd < 0) return name;
  DIR* listing = ::fdopendir(listFd);
  if (listing == nullptr) {
    ::close(listFd);
    return name;
  }
  std::string found;
  while (const struct dirent* entry = ::readdir(listing)) {
    const std::string candidate = entry->d_name;
    if (candidate == "." || candidate == "..") continue;
    if ((found.empty() || candidate < found) && sameNameIgnoringCase(candidate, name))
      found = candidate;
  }
  ::closedir(listing);
  return found.empty() ? name : found;
}

}  // namespace unrar
