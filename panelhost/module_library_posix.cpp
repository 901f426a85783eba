// Modules are ELF shared objects opened with dlopen, each with its own symbols.
#include <dlfcn.h>

#include <system_error>

#include "panelhost/module_library.h"

namespace panelhost {
namespace {

std::string dlError() {
  const char* message = dlerror();
  return message ? message : "unknown error";
}

}  // namespace

std::unique_ptr<ModuleLibrary> ModuleLibrary::open(const std::filesystem::path& path,
                                                   std::string& error) {
  static constexpr char kElfMagic[] = {'\x7f', 'E', 'L', 'F'};
  if (!isModuleFile(path, {kElfMagic, sizeof kElfMagic}, "a shared object", error)) return nullptr;
  std::error_code ec;
  const auto absolute = std::filesystem::absolute(path, ec);
  void* handle = dlopen(absolute.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    error = "module " + path.string() + " cannot be loaded: " + dlError();
    return nullptr;
  }
  return std::unique_ptr<ModuleLibrary>(new ModuleLibrary(handle));
}

ModuleLibrary::~ModuleLibrary() {
  dlclose(handle_);
}

void* ModuleLibrary::symbol(const char* name) const {
  return dlsym(handle_, name);
}

}  // namespace panelhost
