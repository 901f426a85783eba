#include "winapi/resource_pack.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace respack {

constexpr std::uint32_t kBitmapTypeId = 2;

std::optional<ResourceType> typeFromId(std::uint32_t id) {
  if (id == 0) return std::nullopt;
  ResourceType type;
  type.id = id;
  return type;
}

std::optional<ResourceType> typeFromName(std::string_view name) {
  if (name.empty() || name.size() >= kTypeNameSize) return std::nullopt;
  if (name.front() == '#') {
    std::uint32_t id = 0;
    for (char c : name.substr(1)) {
      if (c < '0' || c > '9' || id > 0xFFFF) return std::nullopt;
      id = id * 10 + static_cast<std::uint32_t>(c - '0');
    }
    return name.size() > 1 ? typeFromId(id) : std::nullopt;
  }
  ResourceType type;
  std::transform(name.begin(), name.end(), type.name, [](char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  });
  if (std::string_view(type.name) == "BITMAP") return typeFromId(kBitmapTypeId);
  return type;
}

bool sameType(const PackEntry& entry, const ResourceType& type) {
  if (type.id != 0) return entry.type_id == type.id;
  return entry.type_id == 0 && std::strncmp(entry.type_name, type.name, kTypeNameSize) == 0;
}

std::optional<std::span<const PackEntry>> entries(const unsigned char* pack, std::uint64_t size) {
  if (pack == nullptr || size < sizeof(PackHeader)) return std::nullopt;
  PackHeader header;
  std::memcpy(&header, pack, sizeof header);
  if (std::memcmp(header.magic, kMagic, sizeof kMagic) != 0) return std::nullopt;
  const std::uint64_t tableEnd =
      sizeof(PackHeader) + std::uint64_t{header.count} * sizeof(PackEntry);
  if (tableEnd > size) return std::nullopt;
  // The table starts 4-byte aligned inside the pack, which is itself aligned by the module.
  std::span<const PackEntry> table(reinterpret_cast<const PackEntry*>(pack + sizeof(PackHeader)),
                                   header.count);
  const bool inside = std::all_of(table.begin(), table.end(), [&](const PackEntry& e) {
    return e.offset >= tableEnd && std::uint64_t{e.offset} + e.size <= size;
  });
  if (!inside) return std::nullopt;
  return table;
}

}  // namespace respack
