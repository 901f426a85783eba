#include "cd_folder.h"

#include <fstream>
#include <stdexcept>

namespace samplecd {

namespace fs = std::filesystem;

fs::path CdFolder::hostPath(const std::string& cdPath) const {
  std::string relative = cdPath;
  for (char& c : relative)
    if (c == '\\') c = '/';
  return root_ / relative;
}

void CdFolder::writeArchive(const std::string& cdPath, const ArchiveTree& tree) const {
  const fs::path path = hostPath(cdPath);
  fs::create_directories(path.parent_path());
  tree.write(path);
}

void CdFolder::writeFile(const std::string& cdPath, const std::string& data,
                         bool executable) const {
  const fs::path path = hostPath(cdPath);
  fs::create_directories(path.parent_path());
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << data;
    out.close();
    if (!out) throw std::runtime_error("cannot write " + path.string());
  }
  if (executable)
    fs::permissions(path, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                    fs::perm_options::add);
}

}  // namespace samplecd
