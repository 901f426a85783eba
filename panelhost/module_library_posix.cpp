// Modules are ELF shared objects opened with dlopen, each with its own symbols.
#include <dlfcn.h>

#include <fstream>
#include <system_error>

#include "panelhost/module_library.h"

namespace panelhost {
namespace {

bool looksLikeElf(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  char magic[4] = {};
  in.read(magic, sizeof magic);
  return in.gcount() == 4 && magic[0] == 0x7F && magic[1] == 'E' && magic[2] == 'L' &&
         magic[3] == 'F';
}

std::string dlError() {
  const char* message = dlerror();
  return message ? message : "unknown error";
}

}  // namespace

std::unique_ptr<ModuleLibrary> ModuleLibrary::open(const std::filesystem::path& path,
                                                   std::string& error) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    error = "module " + path.string() + " not found";
    return nullptr;
  }
  if (!looksLikeElf(path)) {
    error = "module " + path.string() + " is not a shared object";
    return nullptr;
  }
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
