// Member names as RAR 4.x stores them, turned into the UTF-8 that libarchive reports.
#pragma once

#include <string>
#include <string_view>

namespace unrar {

// `stored` is the header's name field. With the Unicode flag it is either UTF-8 already or a
// plain fallback, a zero byte and the UTF-16 text in RAR's compact encoding; without the flag
// the bytes are the name, up to a zero byte if there is one.
std::string rar4NameAsUtf8(std::string_view stored, bool unicodeFlag);

}  // namespace unrar
