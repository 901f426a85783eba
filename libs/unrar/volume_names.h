// How the next volume of a multi-volume archive is named.
#pragma once

#include <string>

namespace unrar {

// "x.part01.rar" -> "x.part02.rar" (the last group of digits before the extension, its width
// kept) when the archive uses the new numbering; "x.rar" -> "x.r00" -> "x.r01" ... "x.r99" ->
// "x.s00" otherwise. A name without digits falls back to the old scheme. The volumes after a
// self-extracting "x.part1.exe" are "x.part2.rar" and on; after "x.exe", "x.r00" and on.
std::string nextVolumeName(const std::string& path, bool newNumbering);

}  // namespace unrar
