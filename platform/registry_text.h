#pragma once
// The text registry format of a Wine prefix (version 2): a "WINE REGISTRY Version 2" first line,
// "[Key\\Path] stamp" headers, and value lines "name"="text", "name"=dword:xxxxxxxx,
// "name"=str(n):"text" and hex forms (kept verbatim), @ for the default value; ';' and '#' lines
// are comments except "#arch=win64". Key and value names compare without regard to case.
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace platform::regtext {

enum class ValueKind { String, Dword, Other };

struct Value {
  std::string name;  // "" is the default value (@)
  ValueKind kind = ValueKind::String;
  std::string text;          // String: the decoded text (UTF-8)
  std::uint32_t number = 0;  // Dword
  std::string raw;           // Other: everything after '=' as written, lines joined by '\n'
};

struct Key {
  std::string path;   // components separated by single backslashes
  std::string stamp;  // what followed the header, e.g. the modification time
  std::vector<Value> values;

  const Value* find(std::string_view name) const;
  void set(Value value);  // replaces a value of the same name in place, else appends
};

class Document {
 public:
  const Key* find(std::string_view path) const;
  // The key, created when missing. References stay valid while the document lives.
  Key& obtain(std::string_view path, std::string_view stamp);
  const std::deque<Key>& keys() const { return keys_; }

  bool win64 = false;

 private:
  std::deque<Key> keys_;
  std::unordered_map<std::string, std::size_t> index_;  // folded path -> position in keys_
};

struct ParseError {
  int line = 0;  // 1-based
  std::string what;
};

struct ParseResult {
  std::optional<Document> document;  // set on success
  ParseError error;                  // meaningful when document is empty
};

ParseResult parse(std::string_view text);
std::string serialize(const Document& document);

}  // namespace platform::regtext
