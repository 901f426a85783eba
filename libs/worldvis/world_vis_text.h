#pragma once
// The World.vis text format (described in worldvis.h): reading the registered titles and
// making the text of a new entry.
#include <string>
#include <string_view>
#include <vector>

namespace worldvis {

struct Contents {
  bool valid = false;               // false: the text is not in World.vis form
  std::vector<std::string> titles;  // of the [Scenery] sections, as titleKey() gives them
  std::string lineEnd = "\r\n";     // the file's own line ending
};

Contents read(std::string_view text);

// A title as it is compared: without the blanks around it, ASCII letters in lower case.
std::string titleKey(std::string_view title);

// Whether the text can stand as a value: something besides blanks, no control characters.
bool usableValue(std::string_view value);

// What to append to `text` to register one area: a line end first when the text does not end
// with one, then the [Scenery] section.
std::string entryFor(std::string_view text, std::string_view title, std::string_view pattern,
                     std::string_view lineEnd);

}  // namespace worldvis
