// Fuzz target: any text either fails to parse with a line number, or parses to a document whose
// written form parses again and is written identically.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/registry_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto first = platform::regtext::parse(text);
  if (!first.document) {
    if (first.error.line < 1) std::abort();
    return 0;
  }
  const std::string written = platform::regtext::serialize(*first.document);
  const auto second = platform::regtext::parse(written);
  if (!second.document || platform::regtext::serialize(*second.document) != written) std::abort();
  return 0;
}
