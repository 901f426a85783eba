#pragma once
// Windows compares file, key and value names without regard to case; so do we, for any script.
#include <string>
#include <string_view>

namespace platform {

// The case-folded form of a UTF-8 name, for use as a lookup key.
std::string foldCase(std::string_view name);

bool sameName(std::string_view a, std::string_view b);

}  // namespace platform
