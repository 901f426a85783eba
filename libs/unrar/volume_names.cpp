#include "libs/unrar/volume_names.h"

#include <cctype>

namespace unrar {
namespace {

// Adds one to the decimal digits in [first, last), widening when all of them are nines.
std::string incrementDigits(std::string name, std::size_t first, std::size_t last) {
  for (std::size_t i = last; i > first; --i) {
    if (name[i - 1] != '9') {
      ++name[i - 1];
      return name;
    }
    name[i - 1] = '0';
  }
  return name.insert(first, "1");
}

std::size_t extensionStart(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  const std::size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return path.size();
  return dot;
}

std::string nextOldStyle(const std::string& path) {
  const std::size_t dot = extensionStart(path);
  const std::string ext = path.substr(dot);
  const bool numbered = ext.size() == 4 && std::isdigit(static_cast<unsigned char>(ext[2])) &&
                        std::isdigit(static_cast<unsigned char>(ext[3]));
  if (!numbered) {
    const bool upper = ext.size() > 1 && std::isupper(static_cast<unsigned char>(ext[1]));
    return path.substr(0, dot) + (upper ? ".R00" : ".r00");
  }
  std::string next = path;
  const std::size_t tens = dot + 2;
  if (next[tens] == '9' && next[tens + 1] == '9') {
    ++next[dot + 1];  // .r99 -> .s00
    next[tens] = next[tens + 1] = '0';
    return next;
  }
  return incrementDigits(next, tens, tens + 2);
}

std::string asRarVolume(std::string path) {
  const std::size_t dot = extensionStart(path);
  std::string ext = path.substr(dot);
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (ext != ".exe") return path;
  const bool upper = std::isupper(static_cast<unsigned char>(path[dot + 1]));
  return path.replace(dot, std::string::npos, upper ? ".RAR" : ".rar");
}

}  // namespace

std::string nextVolumeName(const std::string& path, bool newNumbering) {
  if (newNumbering) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    std::size_t last = extensionStart(path);
    while (last > nameStart && !std::isdigit(static_cast<unsigned char>(path[last - 1]))) --last;
    std::size_t first = last;
    while (first > nameStart && std::isdigit(static_cast<unsigned char>(path[first - 1]))) --first;
    if (first < last) return asRarVolume(incrementDigits(path, first, last));
  }
  return nextOldStyle(path);
}

}  // namespace unrar
