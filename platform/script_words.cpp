#include "platform/script_words.h"

namespace platform {

namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

std::optional<std::vector<ScriptWord>> refuse(const char* reason, std::string* why) {
  if (why != nullptr) *why = reason;
  return std::nullopt;
}

}  // namespace

std::optional<std::vector<ScriptWord>> splitScriptLine(std::string_view line, std::string* why) {
  if (line.find('\0') != std::string_view::npos) return refuse("the line holds a NUL byte", why);
  if (line.ends_with('\r')) line.remove_suffix(1);
  const std::size_t first = line.find_first_not_of(" \t");
  if (first == std::string_view::npos || line[first] == '#') return std::vector<ScriptWord>{};

  std::vector<ScriptWord> words;
  std::optional<ScriptWord> word;  // the word being read, if any
  bool inQuotes = false;
  for (std::size_t i = first; i < line.size(); ++i) {
    const char c = line[i];
    if (inQuotes) {
      if (c == '"') {
        inQuotes = false;
      } else if (c != '\\') {
        word->text += c;
      } else if (i + 1 == line.size()) {
        return refuse("a backslash ends the line inside quotes", why);
      } else if (line[i + 1] == '"' || line[i + 1] == '\\') {
        word->text += line[++i];
      } else {
        word->text += c;  // C:\FS2000 in quotes keeps its backslash
      }
    } else if (isBlank(c)) {
      if (word) words.push_back(std::move(*word));
      word.reset();
    } else {
      if (!word) word.emplace();
      if (c == '"') {
        inQuotes = true;
        word->quoted = true;
      } else {
        word->text += c;
      }
    }
  }
  if (inQuotes) return refuse("unterminated quote", why);
  if (word) words.push_back(std::move(*word));
  return words;
}

}  // namespace platform
