// qtp-render-manual SOURCE VERSION MANPAGE HEADER VARIABLE: renders a manual page source into the
// troff page MANPAGE and into HEADER, which defines the help text as the string VARIABLE.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "manual_page.h"

namespace {

// The text as a C++ string literal, one source line per text line.
std::string literal(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    if (c == '\n')
      out += "\\n\"\n    \"";
    else
      out += c;
  }
  return out + "\"";
}

bool writeFile(const char* path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  return bool(out.flush());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6) {
    std::fprintf(stderr, "usage: qtp-render-manual SOURCE VERSION MANPAGE HEADER VARIABLE\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  std::ostringstream source;
  source << in.rdbuf();
  if (!in) {
    std::fprintf(stderr, "qtp-render-manual: cannot read %s\n", argv[1]);
    return 1;
  }
  try {
    const manual::Rendered page = manual::render(source.str(), argv[2]);
    const std::string header = "// Made from " + std::string(argv[1]) +
                               " by qtp-render-manual; edit that file instead.\n#pragma once\n\n"
                               "inline constexpr char " +
                               argv[5] + "[] =\n    " + literal(page.usage) + ";\n";
    if (!writeFile(argv[3], page.troff) || !writeFile(argv[4], header)) {
      std::fprintf(stderr, "qtp-render-manual: cannot write %s or %s\n", argv[3], argv[4]);
      return 1;
    }
  } catch (const std::invalid_argument& e) {
    std::fprintf(stderr, "%s: %s\n", argv[1], e.what());
    return 1;
  }
  return 0;
}
