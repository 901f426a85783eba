// Fuzz target: the bytes as a panel-host script, parsed as the script mode parses it before a
// command runs: lines split into words, every word read as an integer and as a number. A number
// has the sign its text shows, and reads back from its shortest text as the same number.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "panelhost/number_text.h"
#include "platform/script_words.h"

namespace {

void ReadNumbers(const platform::ScriptWord& word) {
  panelhost::parseInteger(word.text);
  const auto number = panelhost::parseNumber(word.text);
  if (!number || std::isnan(*number)) return;
  if (*number != 0 && (*number < 0) != word.text.starts_with('-')) std::abort();
  const auto again = panelhost::parseNumber(panelhost::formatNumber(*number));
  if (!again || *again != *number) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const auto words = platform::splitScriptLine(text.substr(0, end));
    if (words)
      for (const platform::ScriptWord& word : *words) ReadNumbers(word);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return 0;
}
