#pragma once
// HKEY_LOCAL_MACHINE of the current prefix: the merge of <prefix>/system.reg (read only; in a
// win64 prefix Software\Wow6432Node is looked at first, as a 32-bit program sees it) and
// <prefix>/qtp.reg, the program's own file and the only one ever written. Values in qtp.reg win.
// Every open reads the files again (cheaply), so two processes see each other's writes.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/registry_text.h"

namespace platform {

// A value to write: a string or a 32-bit number (dword).
struct RegistryValue {
  std::string name;
  std::variant<std::string, std::uint32_t> data;
};

class RegistryKey {
 public:
  // Opens a key such as "SOFTWARE\NORVANE\QTP\1.0"; with create, a missing key is made in
  // qtp.reg. Nothing when the key does not exist (and is not to be created), no prefix is open,
  // or the file the key lives in (or would be made in) cannot be parsed.
  static std::optional<RegistryKey> open(std::string_view path, bool create);

  const std::string& path() const { return path_; }

  bool valueExists(std::string_view name) const;
  std::optional<std::string> readString(std::string_view name) const;     // string values only
  std::optional<std::uint32_t> readInteger(std::string_view name) const;  // dword values only

  // Writes one value to qtp.reg at once. False, with nothing written, when qtp.reg cannot be
  // parsed or written.
  bool writeString(std::string_view name, std::string_view value);
  bool writeInteger(std::string_view name, std::uint32_t value);

  // Writes several values in the order given with one replacement of qtp.reg: all or none.
  bool writeValues(const std::vector<RegistryValue>& values);

 private:
  using DocumentPtr = std::shared_ptr<const regtext::Document>;
  RegistryKey(std::filesystem::path prefix, std::string path);

  const regtext::Value* find(std::string_view name) const;
  const regtext::Key* machineKey() const;

  std::filesystem::path prefix_;  // the prefix the key was opened in
  std::string path_;
  DocumentPtr machine_;  // system.reg; null when it cannot be parsed
  DocumentPtr own_;      // qtp.reg; null when it cannot be parsed
};

}  // namespace platform
