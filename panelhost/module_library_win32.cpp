// Modules are PE DLLs loaded with LoadLibrary; the calls the host stands in for are redirected
// before any of the module's code runs beyond its own start-up.
#include <windows.h>

#include <fstream>
#include <system_error>

#include "panelhost/module_imports_win32.h"
#include "panelhost/module_library.h"

namespace panelhost {
namespace {

bool looksLikePe(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  char magic[2] = {};
  in.read(magic, sizeof magic);
  return in.gcount() == 2 && magic[0] == 'M' && magic[1] == 'Z';
}

}  // namespace

std::unique_ptr<ModuleLibrary> ModuleLibrary::open(const std::filesystem::path& path,
                                                   std::string& error) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    error = "module " + path.string() + " not found";
    return nullptr;
  }
  if (!looksLikePe(path)) {
    error = "module " + path.string() + " is not a Windows DLL";
    return nullptr;
  }
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
