#pragma once
// A gauge module file loaded into the process: dlopen on Linux, LoadLibrary on Windows. The
// handle is what the module's resource calls take (its dlopen handle or its HMODULE).
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace panelhost {

// Whether `path` is a regular file that starts with `magic`; otherwise false with the reason in
// `error`, naming the file and, for a wrong start, the `kind` of library it should be.
bool isModuleFile(const std::filesystem::path& path, std::string_view magic, const char* kind,
                  std::string& error);

class ModuleLibrary {
 public:
  // Null with the reason in `error` ("module PATH ..." like every module error) when the file
  // is missing, is not a library of this system or cannot be loaded.
  static std::unique_ptr<ModuleLibrary> open(const std::filesystem::path& path, std::string& error);
  ~ModuleLibrary();
  ModuleLibrary(const ModuleLibrary&) = delete;
  ModuleLibrary& operator=(const ModuleLibrary&) = delete;

  // An exported data symbol, or null.
  void* symbol(const char* name) const;
  void* handle() const { return handle_; }

 private:
  explicit ModuleLibrary(void* handle) : handle_(handle) {}
  void* handle_;
};

}  // namespace panelhost
