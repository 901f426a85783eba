// How the next volume of a multi-volume archive is named.
#pragma once

#include <string>

namespace unrar {

// "x.part01.rar" -> "x.part02.rar" (the last group of digits before the extension, its width
// kept) when the archive uses the new numbering; "x.rar" -> "x.r00" -> "x.r01" ... "x.r99" ->
// "x.s00" otherwise. A name without digits falls back to the old scheme.
std::string nextVolumeName(const std::string& path, bool newNumbering);

}  // namespace unrar
