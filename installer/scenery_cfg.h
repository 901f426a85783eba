#pragma once
// The Flight Simulator 2000 scenery list SCENERY.CFG as text: whether the product's area is
// registered, which area number comes next, and the entry that registers it.
#include <string>
#include <string_view>

namespace scenerycfg {

struct Scan {
  enum class Outcome {
    Registered,  // a line reads exactly "Title=Norvane AZ"
    Append,      // not registered: the entry gets number `next`
    NoArea,      // no area header at all
    BadNumber,   // an area header whose number cannot be read
  };
  Outcome outcome = Outcome::NoArea;
  int next = 0;  // one above the highest area number in the file
  // The line end an entry gets: LF in a file whose lines all end so, else CR LF.
  std::string_view lineEnd = "\r\n";
};

// Lines may end in CR LF, LF or CR alone. An area header is a line that holds "[AREA." in any
// letter case; its number is everything between that "." and the next "]", blanks around it
// aside, and must be a decimal number below 999999999.
Scan scan(std::string_view text);

// The lines to append for area `number` (each ending in lineEnd, starting with two empty lines):
// "[Area.NNN]" with at least three digits, then the title, folder, state, layer and flatten.
std::string areaEntry(int number, std::string_view lineEnd = "\r\n");

}  // namespace scenerycfg
