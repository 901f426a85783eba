#pragma once
// A manual page written once, in a small plain-text form, and rendered both as a troff man page
// and as the program's --help text, so that the two cannot drift apart.
//
// The source form:
//   - the first line is "NAME(SECTION) - SUMMARY";
//   - "# HEADING" starts a section;
//   - lines indented by four spaces are shown as they stand (the synopsis);
//   - a line that starts in the first column and is followed by lines indented by two spaces is
//     a term and its description (an option, a variable, a file): the term's first word is set
//     bold, its other words italic;
//   - any other lines are paragraphs, separated by blank lines;
//   - in running text `text` is set bold and *text* italic.
// The help text is "usage: " and the synopsis, then each term of the OPTIONS section with its
// description, as plain text, and after a line "keys:" the terms of a KEYS section likewise.
#include <string>
#include <string_view>

namespace manual {

struct Rendered {
  std::string troff;
  std::string usage;
};

// Throws std::invalid_argument naming the line when the source does not follow the form.
Rendered render(std::string_view source, std::string_view version);

}  // namespace manual
