#include "installer/record/name_cache.h"

#include <algorithm>

namespace installrecord {

namespace fs = std::filesystem;

namespace {

std::string folded(std::string name) {
  std::transform(name.begin(), name.end(), name.begin(), [](char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  });
  return name;
}

}  // namespace

NameCache::Listing& NameCache::listing(const fs::path& folder) {
  auto [at, inserted] = folders_.try_emplace(folder);
  if (!inserted) return at->second;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    at->second[folded(name)].insert(name);
  }
  return at->second;
}

fs::path NameCache::resolve(const fs::path& base, std::string_view relative) {
  fs::path host = base;
  bool existing = true;
  std::size_t start = 0;
  while (start <= relative.size()) {
    std::size_t slash = relative.find('/', start);
    if (slash == std::string_view::npos) slash = relative.size();
    const std::string part(relative.substr(start, slash - start));
    start = slash + 1;
    if (part.empty() || part == ".") continue;
    if (existing) {
      const Listing& names = listing(host);
      const auto match = names.find(folded(part));
      if (match != names.end()) {
        // The exact spelling first, else the first in byte order.
        host /= match->second.count(part) ? part : *match->second.begin();
        continue;
      }
      existing = false;
    }
    host /= part;
  }
  return host;
}

void NameCache::added(const fs::path& path) {
  const auto folder = folders_.find(path.parent_path());
  if (folder == folders_.end()) return;
  const std::string name = path.filename().string();
  folder->second[folded(name)].insert(name);
}

}  // namespace installrecord
