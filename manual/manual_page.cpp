#include "manual_page.h"

#include <regex>
#include <stdexcept>
#include <vector>

namespace manual {

namespace {

// Help lines stay within a terminal's 80 columns; descriptions start in column 23.
constexpr std::size_t kHelpWidth = 79;
constexpr std::size_t kHelpIndent = 22;
constexpr std::string_view kUsagePrefix = "usage: ";

struct Block {
  enum class Kind { Heading, Verbatim, Term, Paragraph };
  Kind kind;
  std::string title;               // heading text, or the term
  std::vector<std::string> lines;  // verbatim lines, description or paragraph lines
};

struct Page {
  std::string name;
  std::string section;
  std::string summary;
  std::vector<Block> blocks;
};

[[noreturn]] void fail(std::size_t line, const std::string& why) {
  throw std::invalid_argument("line " + std::to_string(line + 1) + ": " + why);
}

std::vector<std::string> splitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

bool indentedBy(const std::string& line, std::size_t spaces) {
  return line.size() > spaces && line.compare(0, spaces, std::string(spaces, ' ')) == 0 &&
         line[spaces] != ' ';
}

bool startsInFirstColumn(const std::string& line) {
  return !line.empty() && line[0] != ' ';
}

Page parse(std::string_view source) {
  const std::vector<std::string> lines = splitLines(source);
  static const std::regex header(R"(([A-Za-z0-9_.-]+)\(([1-9])\) - (.+))");
  std::smatch match;
  if (lines.empty() || !std::regex_match(lines[0], match, header))
    fail(0, "the first line must be \"NAME(SECTION) - SUMMARY\"");
  Page page{match[1], match[2], match[3], {}};
  std::size_t i = 1;
  // The lines from i on that start with `spaces` spaces, without them.
  const auto takeIndented = [&](std::size_t spaces) {
    std::vector<std::string> taken;
    for (; i < lines.size() && lines[i].compare(0, spaces, std::string(spaces, ' ')) == 0 &&
           lines[i].size() > spaces;
         ++i)
      taken.push_back(lines[i].substr(spaces));
    return taken;
  };
  while (i < lines.size()) {
    const std::string& line = lines[i];
    if (line.empty()) {
      ++i;
    } else if (line.rfind("# ", 0) == 0) {
      page.blocks.push_back({Block::Kind::Heading, line.substr(2), {}});
      ++i;
    } else if (line.rfind("    ", 0) == 0) {
      page.blocks.push_back({Block::Kind::Verbatim, {}, takeIndented(4)});
    } else if (!startsInFirstColumn(line)) {
      fail(i, "text indented by neither two nor four spaces, or not under a term");
    } else if (i + 1 < lines.size() && indentedBy(lines[i + 1], 2)) {
      const std::string term = line;
      ++i;
      page.blocks.push_back({Block::Kind::Term, term, takeIndented(2)});
    } else {
      Block paragraph{Block::Kind::Paragraph, {}, {}};
      for (; i < lines.size() && startsInFirstColumn(lines[i]) && lines[i].rfind("# ", 0) != 0; ++i)
        paragraph.lines.push_back(lines[i]);
      page.blocks.push_back(paragraph);
    }
  }
  return page;
}

std::string troffEscape(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\\')
      out += "\\e";
    else if (c == '-')
      out += "\\-";
    else
      out += c;
  }
  return out;
}

// A line of troff text: a leading '.' or '\'' would make it a request.
std::string troffLine(const std::string& text) {
  return (!text.empty() && (text[0] == '.' || text[0] == '\'') ? "\\&" : "") + text + "\n";
}

// Running text with `bold` and *italic*: as troff fonts, or (plain) without the marks.
std::string inlineText(const std::string& text, bool plain) {
  std::string out;
  bool bold = false;
  bool italic = false;
  for (std::size_t k = 0; k < text.size(); ++k) {
    const char c = text[k];
    if (c == '`' || (c == '*' && !bold)) {
      bool& on = c == '`' ? bold : italic;
      on = !on;
      if (!plain) out += on ? (c == '`' ? "\\fB" : "\\fI") : "\\fR";
    } else {
      out += plain ? std::string(1, c) : troffEscape(std::string_view(&c, 1));
    }
  }
  if (bold || italic) throw std::invalid_argument("a ` or * is not closed in: " + text);
  return out;
}

std::string troffTerm(const std::string& term) {
  std::string out;
  std::size_t start = 0;
  for (bool first = true; start < term.size(); first = false) {
    std::size_t end = term.find(' ', start);
    if (end == std::string::npos) end = term.size();
    out += (first ? "\\fB" : " \\fI") + troffEscape(term.substr(start, end - start)) + "\\fR";
    start = end + 1;
  }
  return out;
}

std::string upper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

std::string renderTroff(const Page& page, std::string_view version) {
  std::string out = ".TH " + upper(page.name) + " " + page.section + " \"\" \"" +
                    std::string(version) + "\"\n.SH NAME\n" + troffEscape(page.name) + " \\- " +
                    inlineText(page.summary, false) + "\n";
  for (const Block& block : page.blocks) {
    switch (block.kind) {
      case Block::Kind::Heading:
        out += ".SH " + troffEscape(block.title) + "\n";
        break;
      case Block::Kind::Verbatim:
        out += ".nf\n";
        for (const std::string& line : block.lines) out += troffLine(troffEscape(line));
        out += ".fi\n";
        break;
      case Block::Kind::Term:
        out += ".TP\n" + troffLine(troffTerm(block.title));
        for (const std::string& line : block.lines) out += troffLine(inlineText(line, false));
        break;
      case Block::Kind::Paragraph:
        out += ".PP\n";
        for (const std::string& line : block.lines) out += troffLine(inlineText(line, false));
        break;
    }
  }
  return out;
}

// The words of `lines` filled into lines of kHelpWidth columns: the first continues `lead`, the
// others start in column kHelpIndent.
std::string wrapped(std::string lead, const std::vector<std::string>& lines) {
  std::string out;
  std::string line = std::move(lead);
  bool lineHasWords = false;
  for (const std::string& source : lines) {
    std::size_t start = 0;
    while (start < source.size()) {
      std::size_t end = source.find(' ', start);
      if (end == std::string::npos) end = source.size();
      const std::string word = source.substr(start, end - start);
      start = end + 1;
      if (word.empty()) continue;
      if (lineHasWords && line.size() + 1 + word.size() > kHelpWidth) {
        out += line + "\n";
        line = std::string(kHelpIndent, ' ');
        lineHasWords = false;
      }
      line += (lineHasWords ? " " : "") + word;
      lineHasWords = true;
    }
  }
  return out + line + "\n";
}

std::string renderUsage(const Page& page) {
  std::string out;
  std::string section;
  bool synopsis = false;
  for (const Block& block : page.blocks) {
    if (block.kind == Block::Kind::Heading) section = block.title;
    if (section == "SYNOPSIS" && block.kind == Block::Kind::Verbatim) {
      synopsis = true;
      for (std::size_t k = 0; k < block.lines.size(); ++k)
        out += (k == 0 ? std::string(kUsagePrefix) : std::string(kUsagePrefix.size(), ' ')) +
               block.lines[k] + "\n";
    }
    if (block.kind == Block::Kind::Heading && block.title == "KEYS") out += "\nkeys:\n";
    if ((section == "OPTIONS" || section == "KEYS") && block.kind == Block::Kind::Term) {
      std::string lead = "  " + block.title;
      if (lead.size() + 2 > kHelpIndent) {
        out += lead + "\n";
        lead.clear();
      }
      lead.resize(kHelpIndent, ' ');
      std::vector<std::string> plain;
      for (const std::string& line : block.lines) plain.push_back(inlineText(line, true));
      out += wrapped(lead, plain);
    }
  }
  if (!synopsis) throw std::invalid_argument("no SYNOPSIS to make the usage from");
  return out;
}

}  // namespace

Rendered render(std::string_view source, std::string_view version) {
  const Page page = parse(source);
  return {renderTroff(page, version), renderUsage(page)};
}

}  // namespace manual
