#include "libs/unrar/rar4_name.h"

#include <cstdint>

namespace unrar {
namespace {

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// Every unit is announced by two flag bits: a byte below 0x100, a byte with the shared high
// byte, a full little-endian unit, or a run taken from the plain fallback.
std::u16string decodeUnits(std::string_view plain, std::string_view packed) {
  std::u16string units;
  if (packed.empty()) return units;
  const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(packed[i]); };
  const char16_t high = static_cast<char16_t>(byteAt(0) << 8);
  std::size_t at = 1;
  unsigned flags = 0;
  int flagBits = 0;
  while (at < packed.size()) {
    if (flagBits == 0) {
      flags = byteAt(at++);
      flagBits = 8;
      if (at >= packed.size()) break;
    }
    flagBits -= 2;
    switch ((flags >> flagBits) & 3) {
      case 0:
        units.push_back(byteAt(at++));
        break;
      case 1:
        units.push_back(static_cast<char16_t>(high | byteAt(at++)));
        break;
      case 2:
        if (at + 1 >= packed.size()) return units;
        units.push_back(static_cast<char16_t>(byteAt(at) | (byteAt(at + 1) << 8)));
        at += 2;
        break;
      default: {
        const unsigned length = byteAt(at++);
        const bool corrected = (length & 0x80) != 0;
        if (corrected && at >= packed.size()) return units;
        const unsigned correction = corrected ? byteAt(at++) : 0;
        for (unsigned n = (length & 0x7F) + 2; n > 0 && units.size() < plain.size(); --n) {
          const auto base = static_cast<unsigned char>(plain[units.size()]);
          units.push_back(corrected ? static_cast<char16_t>(high | ((base + correction) & 0xFF))
                                    : static_cast<char16_t>(base));
        }
      }
    }
  }
  return units;
}

std::string utf8From(const std::u16string& units) {
  std::string out;
  for (std::size_t i = 0; i < units.size(); ++i) {
    char32_t c = units[i];
    if (c == 0) break;
    const bool pair = c >= 0xD800 && c < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
                      units[i + 1] < 0xE000;
    if (pair) c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00);
    appendUtf8(out, c);
  }
  return out;
}

}  // namespace

std::string rar4NameAsUtf8(std::string_view stored, bool unicodeFlag) {
  const std::size_t zero = stored.find('\0');
  if (zero == std::string_view::npos) return std::string(stored);
  if (!unicodeFlag) return std::string(stored.substr(0, zero));
  return utf8From(decodeUnits(stored.substr(0, zero), stored.substr(zero + 1)));
}

}  // namespace unrar
