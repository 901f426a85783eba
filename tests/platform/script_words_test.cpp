// How script lines split into words, shared by walkthroughs and panel-host scripts.
#include <gtest/gtest.h>

#include "platform/script_words.h"

namespace {

using namespace std::string_literals;

TEST(ScriptWords, LinesSplitOrFailWithTheirReason) {
  const struct {
    std::string line;
    std::string words;  // joined by |, a quoted word marked q:; or the reason the line fails
  } cases[] = {
      {"click  ExitBtn\t 10\r", "click|ExitBtn|10"},
      {R"(type E C:\FS2000\ "C:\\FS2000\\")", R"(type|E|C:\FS2000\|q:C:\FS2000\)"},
      {R"(answer "a \"b\" C:\x" ab"c d"e "")", R"(answer|q:a "b" C:\x|q:abc de|q:)"},
      {"  # comment with \"open quote", ""},
      {R"(type E "C:\FS2000\")", "unterminated quote"},
      {R"(answer "Ja\)", "a backslash ends the line inside quotes"},
      {"get 0x4A\0 1"s, "the line holds a NUL byte"},
  };
  for (const auto& c : cases) {
    std::string shown;
    const auto words = platform::splitScriptLine(c.line, &shown);
    for (const platform::ScriptWord& word : words.value_or(std::vector<platform::ScriptWord>{}))
      shown += (shown.empty() ? "" : "|") + std::string(word.quoted ? "q:" : "") + word.text;
    EXPECT_EQ(shown, c.words) << c.line;
  }
}

}  // namespace
