#include <algorithm>
#include <stdexcept>

#include "content/rar_writer/rar_writer.h"

namespace rarwriter {
namespace {

std::u16string utf16From(const std::string& utf8) {
  std::u16string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int extra = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (extra < 0 || i + static_cast<std::size_t>(extra) >= utf8.size())
      throw std::invalid_argument("name is not UTF-8: " + utf8);
    char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
      if ((next & 0xC0) != 0x80) throw std::invalid_argument("name is not UTF-8: " + utf8);
      c = (c << 6) | (next & 0x3F);
    }
    i += static_cast<std::size_t>(extra) + 1;
    if (c >= 0x10000) {
      c -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(c));
    }
  }
  return out;
}

}  // namespace

std::string encodeName(const std::string& utf8, bool& unicode) {
  unicode = false;
  for (char c : utf8)
    if (static_cast<unsigned char>(c) >= 0x80) unicode = true;
  if (!unicode) return utf8;
  const std::u16string text = utf16From(utf8);
  std::string out;
  for (char16_t c : text) out.push_back(c < 0x80 ? static_cast<char>(c) : '_');
  out.push_back('\0');
  out.push_back('\0');  // the high byte shared by short codes; every unit is written in full
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i % 4 == 0) {
      // Two bits per unit, first unit in the top bits; 2 means "low byte, high byte follow".
      const std::size_t inGroup = std::min<std::size_t>(4, text.size() - i);
      unsigned flags = 0;
      for (std::size_t k = 0; k < inGroup; ++k) flags |= 2u << (6 - 2 * k);
      out.push_back(static_cast<char>(flags));
    }
    out.push_back(static_cast<char>(text[i] & 0xFF));
    out.push_back(static_cast<char>(text[i] >> 8));
  }
  return out;
}

}  // namespace rarwriter
