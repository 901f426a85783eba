// Fuzz target: any World.vis text reads without failing, and an entry appended to a text that
// reads as World.vis leaves it readable with the new title among its titles.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "libs/worldvis/world_vis_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const worldvis::Contents contents = worldvis::read(text);
  if (!contents.valid) return 0;
  const std::string updated =
      text + worldvis::entryFor(text, " Fuzz Area ", "f.bgl", contents.lineEnd);
  const worldvis::Contents after = worldvis::read(updated);
  if (!after.valid ||
      std::count(after.titles.begin(), after.titles.end(), "fuzz area") !=
          std::count(contents.titles.begin(), contents.titles.end(), "fuzz area") + 1)
    std::abort();
  return 0;
}
