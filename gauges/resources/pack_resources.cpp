// Packs resource files into the pack format that winapi's FindResourceA reads (resource_pack.h).
// Usage: qtp-pack-resources OUT TYPE=DIR:EXT...
//   TYPE is a name ("WAVE") or "#<number>" ("#2" for bitmaps); every file <id>.<EXT> in DIR,
//   with a decimal id, becomes the resource <id> of that type. The output is rewritten only when
//   its bytes change, so that the module is relinked only then.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "platform/durable_file.h"
#include "winapi/resource_pack.h"

namespace fs = std::filesystem;

namespace {

struct Resource {
  respack::ResourceType type;
  std::uint32_t id;
  std::vector<char> bytes;
};

std::vector<char> readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool collect(const std::string& desc, std::vector<Resource>& resources) {
  const auto eq = desc.find('=');
  const auto colon = desc.rfind(':');
  if (eq == std::string::npos || colon == std::string::npos || colon < eq) return false;
  const auto type = respack::typeFromName(desc.substr(0, eq));
  const fs::path dir = desc.substr(eq + 1, colon - eq - 1);
  const std::string ext = "." + desc.substr(colon + 1);
  if (!type || !fs::is_directory(dir)) return false;
  for (const auto& file : fs::directory_iterator(dir)) {
    const std::string stem = file.path().stem().string();
    if (file.path().extension() != ext || stem.empty() || stem.size() > 5 ||
        !std::all_of(stem.begin(), stem.end(), [](char c) { return c >= '0' && c <= '9'; }))
      continue;
    resources.push_back({*type, static_cast<std::uint32_t>(std::stoul(stem)), readFile(file)});
  }
  return true;
}

template <typename T>
void append(std::vector<char>& out, const T& value) {
  const auto* bytes = reinterpret_cast<const char*>(&value);
  out.insert(out.end(), bytes, bytes + sizeof value);
}

std::vector<char> pack(std::vector<Resource> resources) {
  std::sort(resources.begin(), resources.end(), [](const Resource& a, const Resource& b) {
    const auto key = [](const Resource& r) {
      return std::tuple(r.type.id, std::string(r.type.name), r.id);
    };
    return key(a) < key(b);
  });
  respack::PackHeader header{};
  std::memcpy(header.magic, respack::kMagic, sizeof header.magic);
  header.count = static_cast<std::uint32_t>(resources.size());
  std::vector<char> out;
  append(out, header);
  std::size_t offset = sizeof header + resources.size() * sizeof(respack::PackEntry);
  for (const Resource& r : resources) {
    respack::PackEntry entry{};
    entry.type_id = r.type.id;
    std::memcpy(entry.type_name, r.type.name, sizeof entry.type_name);
    entry.name_id = r.id;
    entry.offset = static_cast<std::uint32_t>(offset);
    entry.size = static_cast<std::uint32_t>(r.bytes.size());
    append(out, entry);
    offset += (r.bytes.size() + 3) & ~std::size_t{3};
  }
  for (const Resource& r : resources) {
    out.insert(out.end(), r.bytes.begin(), r.bytes.end());
    out.resize((out.size() + 3) & ~std::size_t{3}, '\0');
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s OUT TYPE=DIR:EXT...\n", argv[0]);
    return 2;
  }
  std::vector<Resource> resources;
  for (int i = 2; i < argc; ++i) {
    if (!collect(argv[i], resources)) {
      std::fprintf(stderr, "%s: cannot use '%s' (TYPE=DIR:EXT with an existing DIR)\n", argv[0],
                   argv[i]);
      return 1;
    }
  }
  const std::vector<char> bytes = pack(std::move(resources));
  const fs::path out = argv[1];
  if (fs::exists(out) && readFile(out) == bytes) return 0;
  const platform::DurableWriteResult written =
      platform::writeFileDurably(out, std::string_view(bytes.data(), bytes.size()));
  if (!written) {
    std::fprintf(stderr, "%s: %s\n", argv[0], written.error.c_str());
    return 1;
  }
  return 0;
}
