// Modules are PE DLLs loaded with LoadLibrary; the calls the host stands in for are redirected
// before any of the module's code runs beyond its own start-up.
#include <windows.h>

#include <system_error>

#include "panelhost/module_imports_win32.h"
#include "panelhost/module_library.h"

namespace panelhost {

std::unique_ptr<ModuleLibrary> ModuleLibrary::open(const std::filesystem::path& path,
                                                   std::string& error) {
  if (!isModuleFile(path, "MZ", "a Windows DLL", error)) return nullptr;
  std::error_code ec;
  const auto absolute = std::filesystem::absolute(path, ec);
  HMODULE module = LoadLibraryExW(absolute.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  if (!module) {
    error =
        "module " + path.string() + " cannot be loaded: error " + std::to_string(GetLastError());
    return nullptr;
  }
  redirectModuleImports(module);
  return std::unique_ptr<ModuleLibrary>(new ModuleLibrary(module));
}

ModuleLibrary::~ModuleLibrary() {
  FreeLibrary(static_cast<HMODULE>(handle_));
}

void* ModuleLibrary::symbol(const char* name) const {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name));
}

}  // namespace panelhost
