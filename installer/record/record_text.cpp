// The install log's text: writing sealed blocks and reading them back, trusting nothing that
// does not parse in full.
#include <charconv>
#include <cstdio>
#include <utility>

#include "installer/record/install_record.h"

namespace installrecord {

namespace {

struct KindName {
  Kind kind;
  std::string_view name;
  int fields;  // after kind, place and path
};

constexpr KindName kKinds[] = {
    {Kind::FolderCreated, "folder", 0},         {Kind::FileCreated, "file", 3},
    {Kind::FileReplaced, "replaced", 3},        {Kind::DesktopEntry, "desktop-entry", 3},
    {Kind::DesktopFolder, "desktop-folder", 0}, {Kind::SceneryArea, "scenery-area", 1},
    {Kind::WorldVisEntry, "worldvis-entry", 2},
};

const KindName& nameOf(Kind kind) {
  for (const KindName& entry : kKinds)
    if (entry.kind == kind) return entry;
  return kKinds[0];
}

bool hasIdentity(Kind kind) {
  return nameOf(kind).fields == 3;
}

// Desktop entries live outside any simulator folder; scenery files always inside.
bool placeFits(Kind kind, Place place) {
  switch (kind) {
    case Kind::DesktopEntry:
    case Kind::DesktopFolder:
      return place != Place::Simulator;
    case Kind::SceneryArea:
    case Kind::WorldVisEntry:
      return place == Place::Simulator;
    default:
      return true;
  }
}

bool needsEscape(unsigned char c) {
  return c <= ' ' || c == '%' || c == 0x7F;
}

}  // namespace

std::string encodeField(std::string_view field) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const char c : field) {
    const auto byte = static_cast<unsigned char>(c);
    if (!needsEscape(byte)) {
      out += c;
      continue;
    }
    out += '%';
    out += kHex[byte >> 4];
    out += kHex[byte & 0xF];
  }
  return out;
}

// Escapes are written in capitals only.
static int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Only the form encodeField() writes is accepted, so that a field has a single spelling.
std::optional<std::string> decodeField(std::string_view field) {
  std::string out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    const auto byte = static_cast<unsigned char>(field[i]);
    if (needsEscape(byte) && byte != '%') return std::nullopt;
    if (byte != '%') {
      out += field[i];
      continue;
    }
    if (i + 2 >= field.size()) return std::nullopt;
    const int high = hexDigit(field[i + 1]);
    const int low = hexDigit(field[i + 2]);
    if (high < 0 || low < 0) return std::nullopt;
    const auto value = static_cast<unsigned char>(high * 16 + low);
    if (!needsEscape(value)) return std::nullopt;
    out += static_cast<char>(value);
    i += 2;
  }
  return out;
}

namespace {

std::string hexText(std::uint64_t value) {
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
  return text;
}

template <typename Number>
std::optional<Number> number(std::string_view text, int base = 10) {
  Number value{};
  if (text.empty() || (base == 10 && text.size() > 1 && text[0] == '0')) return std::nullopt;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<std::uint64_t> hashField(std::string_view text) {
  if (text.size() != 16) return std::nullopt;
  for (const char c : text)
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return std::nullopt;
  return number<std::uint64_t>(text, 16);
}

bool validComponent(std::string_view flag) {
  if (flag.empty() || flag.size() > 32) return false;
  for (const char c : flag)
    if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_'))
      return false;
  return true;
}

std::vector<std::string_view> split(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t blank = line.find(' ', start);
    fields.push_back(line.substr(start, blank - start));
    if (blank == std::string_view::npos) return fields;
    start = blank + 1;
  }
}

std::string recordLine(const Record& record) {
  std::string line(nameOf(record.kind).name);
  line += record.place == Place::Simulator ? " sim "
          : record.place == Place::Prefix  ? " prefix "
                                           : " host ";
  line += encodeField(record.path);
  if (hasIdentity(record.kind)) {
    line += ' ' + std::to_string(record.identity.size) + ' ' +
            std::to_string(record.identity.mtimeNs) + ' ' + hexText(record.identity.hash);
  } else if (record.kind == Kind::SceneryArea) {
    line += ' ' + encodeField(record.text);
  } else if (record.kind == Kind::WorldVisEntry) {
    line += ' ' + encodeField(record.text) + ' ' + encodeField(record.pattern);
  }
  return line + '\n';
}

// The record of a line inside a block, else why it cannot be trusted.
std::pair<std::optional<Record>, std::string> parseRecord(std::string_view line) {
  const std::vector<std::string_view> fields = split(line);
  const KindName* kind = nullptr;
  for (const KindName& entry : kKinds)
    if (entry.name == fields[0]) kind = &entry;
  if (kind == nullptr) return {std::nullopt, "unknown record \"" + encodeField(fields[0]) + "\""};
  if (fields.size() != static_cast<std::size_t>(3 + kind->fields))
    return {std::nullopt, "wrong number of fields"};
  Record record;
  record.kind = kind->kind;
  if (fields[1] == "sim")
    record.place = Place::Simulator;
  else if (fields[1] == "prefix")
    record.place = Place::Prefix;
  else if (fields[1] == "host")
    record.place = Place::Host;
  else
    return {std::nullopt, "bad place"};
  if (!placeFits(record.kind, record.place)) return {std::nullopt, "record in the wrong place"};
  const std::optional<std::string> path = decodeField(fields[2]);
  if (!path) return {std::nullopt, "bad path field"};
  if (!validPath(record.place, *path)) return {std::nullopt, "path escapes its folder"};
  record.path = *path;
  if (hasIdentity(record.kind)) {
    const auto size = number<std::uint64_t>(fields[3]);
    const bool negative = fields[4].size() > 1 && fields[4][0] == '-';
    const auto mtime = number<std::int64_t>(negative ? fields[4].substr(1) : fields[4]);
    const auto hash = hashField(fields[5]);
    if (!size || !mtime || !hash) return {std::nullopt, "bad file identity"};
    record.identity = {*size, negative ? -*mtime : *mtime, *hash};
  } else if (kind->fields > 0) {
    const std::optional<std::string> text = decodeField(fields[3]);
    const std::optional<std::string> pattern =
        kind->fields == 2 ? decodeField(fields[4]) : std::optional<std::string>("");
    if (!text || !pattern || text->empty()) return {std::nullopt, "bad text field"};
    record.text = *text;
    record.pattern = *pattern;
  }
  return {record, {}};
}

// Reads blocks line by line; a block is kept only when it ends in a matching seal and every
// record in it parsed.
class Parser {
 public:
  Parser(ParsedLog& log, std::string_view text) : log_(log), text_(text) {}

  void line(std::string_view text, std::size_t offset, int number) {
    const std::vector<std::string_view> fields = split(text);
    if (fields[0] == "begin") {
      if (open_) untrusted(beginLine_, "block of " + block_.component + " is not sealed");
      begin(fields, offset, number);
    } else if (!open_) {
      untrusted(number, "line outside a block");
    } else if (fields[0] == "seal") {
      seal(fields, offset, number);
    } else if (problem_.empty()) {
      auto [record, reason] = parseRecord(text);
      if (record)
        block_.records.push_back(std::move(*record));
      else
        problem_ = "line " + std::to_string(number) + ": " + reason;
    }
  }

  void end() {
    if (open_) untrusted(beginLine_, "block of " + block_.component + " is not sealed");
  }

 private:
  void untrusted(int line, std::string reason) {
    log_.untrusted.push_back({line, std::move(reason)});
  }

  void begin(const std::vector<std::string_view>& fields, std::size_t offset, int number) {
    open_ = true;
    beginLine_ = number;
    beginOffset_ = offset;
    block_ = {};
    problem_.clear();
    const std::optional<std::string> flag =
        fields.size() == 2 ? decodeField(fields[1]) : std::nullopt;
    if (flag && validComponent(*flag))
      block_.component = *flag;
    else
      problem_ = "bad component flag";
  }

  void seal(const std::vector<std::string_view>& fields, std::size_t offset, int number) {
    open_ = false;
    const auto expected = fields.size() == 2 ? hashField(fields[1]) : std::nullopt;
    if (!expected) return untrusted(number, "bad seal");
    if (!problem_.empty())
      return untrusted(beginLine_, "block of " + block_.component + ": " + problem_);
    if (*expected != contentHash(text_.substr(beginOffset_, offset - beginOffset_)))
      return untrusted(beginLine_, "block of " + block_.component + " fails its checksum");
    log_.blocks.push_back(std::move(block_));
  }

  ParsedLog& log_;
  std::string_view text_;
  bool open_ = false;
  int beginLine_ = 0;
  std::size_t beginOffset_ = 0;
  Block block_;
  std::string problem_;
};

}  // namespace

std::uint64_t contentHash(std::string_view bytes, std::uint64_t seed) {
  std::uint64_t hash = seed;
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001b3ULL;
  }
  return hash;
}

bool validPath(Place place, std::string_view path) {
  if (path.empty() || path.find('\0') != std::string_view::npos) return false;
  if ((place == Place::Host) != (path.front() == '/')) return false;
  std::size_t start = place == Place::Host ? 1 : 0;
  if (place == Place::Host && path.size() == 1) return false;
  for (;;) {
    const std::size_t slash = path.find('/', start);
    const std::string_view part = path.substr(start, slash - start);
    if (part.empty() || part == "." || part == "..") return false;
    if (slash == std::string_view::npos) return true;
    start = slash + 1;
  }
}

std::string headerText() {
  return std::string(kHeaderWord) + ' ' + std::to_string(kFormatVersion) + '\n';
}

std::string blockText(const Block& block) {
  std::string text = "begin " + encodeField(block.component) + '\n';
  for (const Record& record : block.records) text += recordLine(record);
  return text + "seal " + hexText(contentHash(text)) + '\n';
}

ParsedLog parseLog(std::string_view text) {
  ParsedLog log;
  const std::size_t headerEnd = text.find('\n');
  const std::string_view header = text.substr(0, headerEnd);
  if (headerEnd == std::string_view::npos ||
      header.substr(0, kHeaderWord.size() + 1) != std::string(kHeaderWord) + ' ') {
    log.untrusted.push_back({1, "not an install log (no header)"});
    return log;
  }
  if (header != headerText().substr(0, headerText().size() - 1)) {
    log.untrusted.push_back({1, "unknown format version"});
    return log;
  }
  Parser parser(log, text);
  int number = 1;
  std::size_t offset = headerEnd + 1;
  while (offset < text.size()) {
    ++number;
    const std::size_t end = text.find('\n', offset);
    // A last line without its LF was cut off while written: its block cannot be sealed.
    if (end == std::string_view::npos) break;
    parser.line(text.substr(offset, end - offset), offset, number);
    offset = end + 1;
  }
  parser.end();
  return log;
}

}  // namespace installrecord
