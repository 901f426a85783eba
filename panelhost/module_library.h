#pragma once
// A gauge module file loaded into the process: dlopen on Linux, LoadLibrary on Windows. The
// handle is what the module's resource calls take (its dlopen handle or its HMODULE).
#include <filesystem>
#include <memory>
#include <string>

namespace panelhost {

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
