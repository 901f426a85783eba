#include "tree_snapshot.h"

#include <fstream>

#include "installer/record/install_record.h"

namespace fs = std::filesystem;

std::map<std::string, std::string> TreeSnapshot(const fs::path& root) {
  std::map<std::string, std::string> tree;
  for (auto it = fs::recursive_directory_iterator(root); it != fs::end(it); ++it) {
    std::string& entry = tree[it->path().lexically_relative(root).string()];
    if (it->is_symlink()) {
      entry = "link " + fs::read_symlink(it->path()).string();
    } else if (it->is_directory()) {
      entry = "folder";
    } else {
      std::ifstream in(it->path(), std::ios::binary);
      const std::string bytes(std::istreambuf_iterator<char>(in), {});
      entry = std::to_string(static_cast<int>(it->status().permissions())) + " " +
              std::to_string(installrecord::contentHash(bytes));
    }
  }
  return tree;
}
