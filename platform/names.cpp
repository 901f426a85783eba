#include "platform/names.h"

#include <QString>
#include <algorithm>

namespace platform {

namespace {

bool isAscii(std::string_view s) {
  return std::all_of(s.begin(), s.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

char lowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::string foldCase(std::string_view name) {
  if (isAscii(name)) {
    std::string folded(name);
    std::transform(folded.begin(), folded.end(), folded.begin(), lowerAscii);
    return folded;
  }
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))
      .toCaseFolded()
      .toStdString();
}

bool sameName(std::string_view a, std::string_view b) {
  if (isAscii(a) && isAscii(b)) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
             return lowerAscii(x) == lowerAscii(y);
           });
  }
  return foldCase(a) == foldCase(b);
}

}  // namespace platform
