// Names in a folder as Windows finds them: letter case does not matter, so an archive member
// goes into the folder or over the file that already holds its name in another case.
#pragma once

#include <string>

namespace unrar {

// True when the two UTF-8 names differ at most in letter case (compared by their upper-case
// forms, as Windows compares names; bytes that are not UTF-8 must match exactly).
bool sameNameIgnoringCase(const std::string& a, const std::string& b);

// The entry of the open folder `dirFd` that stands for `name`: `name` itself when it exists,
// else the first (in byte order) entry that matches it without regard to case, else `name`.
// Links are not followed, only named.
std::string existingName(int dirFd, const std::string& name);

}  // namespace unrar
