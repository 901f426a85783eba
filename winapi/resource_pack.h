#pragma once
// The resource pack embedded in a module: the bytes behind FindResourceA. A module exports its
// pack as the C symbol `qtp_resource_directory` (a QtpResourceDirectory); the pack is a header,
// an entry table and the resource bytes, all little-endian, offsets from the start of the pack.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

struct QtpResourceDirectory {
  const unsigned char* pack;
  std::uint64_t size;
};

namespace respack {

constexpr char kDirectorySymbol[] = "qtp_resource_directory";
constexpr char kMagic[8] = {'Q', 'T', 'P', 'R', 'S', 'R', 'C', '1'};
constexpr std::size_t kTypeNameSize = 12;

struct PackHeader {
  char magic[8];
  std::uint32_t count;
  std::uint32_t reserved;
};

// A type is either a number (type_id != 0) or an upper-case name.
struct PackEntry {
  std::uint32_t type_id;
  char type_name[kTypeNameSize];
  std::uint32_t name_id;
  std::uint32_t offset;
  std::uint32_t size;
};
static_assert(sizeof(PackHeader) == 16 && sizeof(PackEntry) == 28);

// The type a lookup asks for, normalised: "BITMAP" and "#2" both become the number 2.
struct ResourceType {
  std::uint32_t id = 0;
  char name[kTypeNameSize] = {};
};

std::optional<ResourceType> typeFromName(std::string_view name);
std::optional<ResourceType> typeFromId(std::uint32_t id);
bool sameType(const PackEntry& entry, const ResourceType& type);

// The entry table of a well-formed pack, or nothing when the bytes are not one (bad magic, a
// table or a resource reaching past the end).
std::optional<std::span<const PackEntry>> entries(const unsigned char* pack, std::uint64_t size);

}  // namespace respack
