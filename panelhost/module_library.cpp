#include "panelhost/module_library.h"

#include <fstream>
#include <system_error>

namespace panelhost {

bool isModuleFile(const std::filesystem::path& path, std::string_view magic, const char* kind,
                  std::string& error) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    error = "module " + path.string() + " not found";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  std::string start(magic.size(), '\0');
  in.read(start.data(), static_cast<std::streamsize>(start.size()));
  if (in.gcount() != static_cast<std::streamsize>(magic.size()) || start != magic) {
    error = "module " + path.string() + " is not " + kind;
    return false;
  }
  return true;
}

}  // namespace panelhost
