#pragma once
// Taking the product's scenery registration back out of the simulator's scenery lists: exactly
// the text the installation added, and nothing else. Other areas keep their numbers, as the
// registration never renumbers an area either.
#include <optional>
#include <string>
#include <string_view>

namespace uninstall {

// The SCENERY.CFG text without `area`, the entry as the installation appended it (its two empty
// lines first). Nothing when the entry is not found whole exactly once: an entry that was edited
// since is the user's.
std::optional<std::string> withoutSceneryArea(std::string_view text, std::string_view area);

// The World.vis text without the [Scenery] section the registration wrote for the title and file
// pattern, together with the empty line it put in front of it. Nothing when no such section
// stands as written, in either line ending, exactly once.
std::optional<std::string> withoutWorldVisEntry(std::string_view text, std::string_view title,
                                                std::string_view pattern);

}  // namespace uninstall
