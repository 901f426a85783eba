// Fuzz target: the bytes as a walkthrough, read as `qtp --automate` reads its file. Every line
// kept holds either words or the reason it cannot be split, and lines keep their file order.
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "automation/script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString text =
      QString::fromStdString(std::string(reinterpret_cast<const char*>(data), size));
  const int lineCount = static_cast<int>(text.count(QLatin1Char('\n'))) + 1;
  int previous = 0;
  for (const automation::ScriptLine& line : automation::parseScript(text)) {
    if (line.number <= previous || line.number > lineCount) std::abort();
    if (line.words.isEmpty() == line.syntaxError.isEmpty()) std::abort();
    previous = line.number;
  }
  return 0;
}
