#pragma once
// How a line of a walkthrough or a panel-host script splits into words, the same for both.
//
// Words are split on blanks (spaces and tabs). Double quotes make their text part of a word,
// blanks included, and join the text next to them (ab"c d"e is one word); inside quotes only
// \" and \\ escape, outside them a backslash is an ordinary character, so C:\FS2000\ needs no
// quotes and "C:\\FS2000\\" is the same word quoted. A line of blanks, or whose first character
// after its blanks is #, has no words; one carriage return ending the line (CRLF files) is
// dropped. A line holding a NUL byte, a quote left open or a backslash ending the line inside
// quotes cannot be split.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct ScriptWord {
  std::string text;
  bool quoted = false;  // some of it stood in quotes: "" is a word, and "7" is text, not a number
};

// The words of one line (none for a blank or comment line), or nothing with the reason in *why.
std::optional<std::vector<ScriptWord>> splitScriptLine(std::string_view line,
                                                       std::string* why = nullptr);

}  // namespace platform
