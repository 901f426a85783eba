#include "platform/registry_text.h"

#include <algorithm>
#include <cstdio>

#include "platform/names.h"
#include "platform/text_file.h"

namespace platform::regtext {

namespace {

constexpr std::string_view kHeader = "WINE REGISTRY Version 2";

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// "\x" escapes carry UTF-16 code units; a surrogate pair spans two escapes.
class Utf16Sink {
 public:
  explicit Utf16Sink(std::string& out) : out_(out) {}
  void unit(char32_t u) {
    if (high_ != 0 && u >= 0xDC00 && u <= 0xDFFF) {
      appendUtf8(out_, 0x10000 + ((high_ - 0xD800) << 10) + (u - 0xDC00));
      high_ = 0;
      return;
    }
    flush();
    if (u >= 0xD800 && u <= 0xDBFF)
      high_ = u;
    else
      appendUtf8(out_, (u >= 0xDC00 && u <= 0xDFFF) ? 0xFFFD : u);
  }
  void byte(char c) {
    flush();
    out_ += c;
  }
  void flush() {
    if (high_ != 0) appendUtf8(out_, 0xFFFD);
    high_ = 0;
  }

 private:
  std::string& out_;
  char32_t high_ = 0;
};

int digitValue(char c, int base) {
  int v = -1;
  if (c >= '0' && c <= '9') v = c - '0';
  if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
  if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
  return v < base ? v : -1;
}

// Reads up to maxDigits digits of a base at pos; advances pos past them.
std::optional<std::uint32_t> readNumber(std::string_view s, std::size_t& pos, int base,
                                        std::size_t maxDigits) {
  std::uint32_t value = 0;
  std::size_t count = 0;
  while (pos < s.size() && count < maxDigits && digitValue(s[pos], base) >= 0) {
    value = value * static_cast<std::uint32_t>(base) +
            static_cast<std::uint32_t>(digitValue(s[pos], base));
    ++pos;
    ++count;
  }
  if (count == 0) return std::nullopt;
  return value;
}

char simpleEscape(char c) {
  switch (c) {
    case 'n':
      return '\n';
    case 'r':
      return '\r';
    case 't':
      return '\t';
    case 'a':
      return '\a';
    case 'b':
      return '\b';
    case 'e':
      return '\x1b';
    case 'f':
      return '\f';
    case 'v':
      return '\v';
    default:
      return c;
  }
}

// Decodes an escaped text from pos up to the unescaped delimiter; returns the position after it,
// nothing when the line ends first.
std::optional<std::size_t> readEscaped(std::string_view line, std::size_t pos, char delimiter,
                                       std::string& out) {
  Utf16Sink sink(out);
  while (pos < line.size()) {
    const char c = line[pos++];
    if (c == delimiter) {
      sink.flush();
      return pos;
    }
    if (c != '\\') {
      sink.byte(c);
      continue;
    }
    if (pos >= line.size()) return std::nullopt;
    const char e = line[pos];
    if (e == 'x') {
      ++pos;
      if (auto unit = readNumber(line, pos, 16, 4))
        sink.unit(*unit);
      else
        sink.byte('x');
    } else if (e >= '0' && e <= '7') {
      sink.unit(*readNumber(line, pos, 8, 3));
    } else {
      ++pos;
      sink.byte(simpleEscape(e));
    }
  }
  return std::nullopt;
}

bool onlySpace(std::string_view s) {
  return s.find_first_not_of(" \t\r") == std::string_view::npos;
}

std::string_view trimmed(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(" \t\r");
  return s.substr(first, last - first + 1);
}

std::string normalizedKeyPath(std::string_view path) {
  while (!path.empty() && path.front() == '\\') path.remove_prefix(1);
  while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
  return std::string(path);
}

class Parser {
 public:
  // Registry text ends lines with LF; a CR is a blank like any other.
  explicit Parser(std::string_view text) : lines_(text, false) {}

  ParseResult run() {
    std::string_view line;
    if (!lines_.next(line) || trimmed(line) != kHeader)
      return fail("the first line is not \"" + std::string(kHeader) + "\"");
    Key* key = nullptr;
    while (lines_.next(line)) {
      if (line.find('\0') != std::string_view::npos) return fail("a NUL byte");
      const std::string_view content = trimmed(line);
      if (content.empty() || content.front() == ';') continue;
      if (content.front() == '#') {
        if (content == "#arch=win64") document_.win64 = true;
        continue;
      }
      if (content.front() == '[') {
        std::string path;
        const auto end = readEscaped(content, 1, ']', path);
        if (!end) return fail("a key header without its closing bracket");
        key = &document_.obtain(normalizedKeyPath(path), trimmed(content.substr(*end)));
        continue;
      }
      if (content.front() != '"' && content.front() != '@') return fail("an unreadable line");
      if (key == nullptr) return fail("a value before the first key");
      Value value;
      if (auto problem = readValue(content, value)) return fail(*problem);
      key->set(std::move(value));
    }
    return {std::move(document_), {}};
  }

 private:
  ParseResult fail(std::string what) const {
    return {std::nullopt, {std::max(lines_.number(), 1), std::move(what)}};
  }

  std::optional<std::string> readValue(std::string_view line, Value& value) {
    std::size_t pos = 1;
    if (line.front() == '"') {
      const auto end = readEscaped(line, 1, '"', value.name);
      if (!end) return "a value name without its closing quote";
      pos = *end;
    }
    while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) ++pos;
    if (pos >= line.size() || line[pos] != '=') return "a value without '='";
    std::string_view data = trimmed(line.substr(pos + 1));
    if (data.rfind("str(", 0) == 0) {
      value.raw = std::string(data);
      std::size_t p = 4;
      if (!readNumber(data, p, 10, 2) || data.substr(p, 3) != "):\"")
        return "an unreadable typed string";
      data = data.substr(p + 2);
    }
    if (!data.empty() && data.front() == '"') {
      const auto end = readEscaped(data, 1, '"', value.text);
      if (!end) return "a string without its closing quote";
      if (!onlySpace(data.substr(*end))) return "text after a string";
      value.kind = ValueKind::String;
      return std::nullopt;
    }
    if (data.rfind("dword:", 0) == 0) {
      std::size_t p = 6;
      const auto number = readNumber(data, p, 16, 8);
      if (!number || p != data.size()) return "an unreadable dword";
      value.kind = ValueKind::Dword;
      value.number = *number;
      return std::nullopt;
    }
    if (data.rfind("hex", 0) == 0) {
      value.kind = ValueKind::Other;
      value.raw = std::string(data);
      std::string_view next;
      while (!value.raw.empty() && value.raw.back() == '\\') {
        if (!lines_.next(next)) return "a hex value cut off at the end of the file";
        value.raw += "\n" + std::string(trimmed(next));
      }
      return std::nullopt;
    }
    return "an unknown value type";
  }

  textfile::LineReader lines_;
  Document document_;
};

std::vector<char32_t> codePoints(std::string_view utf8) {
  std::vector<char32_t> points;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int length = lead < 0x80         ? 1
                       : (lead >> 5) == 6  ? 2
                       : (lead >> 4) == 14 ? 3
                       : (lead >> 3) == 30 ? 4
                                           : 0;
    char32_t cp = length == 1   ? lead
                  : length == 2 ? (lead & 0x1F)
                  : length == 3 ? (lead & 0x0F)
                                : (lead & 0x07);
    bool valid = length > 0 && i + static_cast<std::size_t>(length) <= utf8.size();
    for (int k = 1; valid && k < length; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
      valid = (next & 0xC0) == 0x80;
      cp = (cp << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are no characters.
    constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    valid = valid && cp >= kLeast[length] && cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF);
    points.push_back(valid ? cp : 0xFFFD);
    i += valid ? static_cast<std::size_t>(length) : 1;
  }
  return points;
}

void appendUnitEscape(std::string& out, char32_t unit) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "\\x%04x", static_cast<unsigned>(unit & 0xFFFF));
  out += buffer;
}

std::string escaped(std::string_view text, char delimiter) {
  std::string out;
  for (char32_t cp : codePoints(text)) {
    if (cp == '\\' || cp == static_cast<char32_t>(delimiter)) {
      out += '\\';
      out += static_cast<char>(cp);
    } else if (cp == '\n') {
      out += "\\n";
    } else if (cp == '\r') {
      out += "\\r";
    } else if (cp == '\t') {
      out += "\\t";
    } else if (cp < 0x20 || cp == 0x7F) {
      appendUnitEscape(out, cp);
    } else if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x10000) {
      appendUnitEscape(out, cp);
    } else {
      appendUnitEscape(out, 0xD800 + ((cp - 0x10000) >> 10));
      appendUnitEscape(out, 0xDC00 + ((cp - 0x10000) & 0x3FF));
    }
  }
  return out;
}

}  // namespace

const Value* Key::find(std::string_view name) const {
  for (const Value& value : values)
    if (sameName(value.name, name)) return &value;
  return nullptr;
}

void Key::set(Value value) {
  for (Value& existing : values) {
    if (sameName(existing.name, value.name)) {
      value.name = existing.name;
      existing = std::move(value);
      return;
    }
  }
  values.push_back(std::move(value));
}

const Key* Document::find(std::string_view path) const {
  const auto it = index_.find(foldCase(normalizedKeyPath(path)));
  return it == index_.end() ? nullptr : &keys_[it->second];
}

Key& Document::obtain(std::string_view path, std::string_view stamp) {
  const std::string normalized = normalizedKeyPath(path);
  const auto [it, added] = index_.try_emplace(foldCase(normalized), keys_.size());
  if (added) keys_.push_back({normalized, std::string(stamp), {}});
  return keys_[it->second];
}

ParseResult parse(std::string_view text) {
  return Parser(text).run();
}

std::string serialize(const Document& document) {
  std::string out(kHeader);
  out += "\n;; All keys relative to \\\\Machine\n";
  if (document.win64) out += "#arch=win64\n";
  for (const Key& key : document.keys()) {
    out += "\n[" + escaped(key.path, ']') + "]";
    if (!key.stamp.empty()) out += " " + key.stamp;
    out += "\n";
    for (const Value& value : key.values) {
      out += value.name.empty() ? std::string("@") : "\"" + escaped(value.name, '"') + "\"";
      out += "=";
      if (!value.raw.empty()) {
        out += value.raw;
      } else if (value.kind == ValueKind::Dword) {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "dword:%08x", static_cast<unsigned>(value.number));
        out += buffer;
      } else {
        out += "\"" + escaped(value.text, '"') + "\"";
      }
      out += "\n";
    }
  }
  return out;
}

}  // namespace platform::regtext
