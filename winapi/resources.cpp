// Resource lookup in a loaded module through the pack it exports (see resource_pack.h).
#include <dlfcn.h>

#include <algorithm>
#include <mutex>
#include <vector>

#include "winapi/resource_pack.h"
#include "winapi/windows.h"

namespace {

struct KnownPack {
  const unsigned char* pack;
  std::span<const respack::PackEntry> table;
};

// Packs whose entries have been handed out, so that a resource handle can be checked before
// it is used.
std::mutex packsMutex;
std::vector<KnownPack> knownPacks;

std::optional<KnownPack> packOf(HMODULE module) {
  void* handle = module != nullptr ? static_cast<void*>(module) : dlopen(nullptr, RTLD_NOW);
  if (handle == nullptr) return std::nullopt;
  const auto* directory =
      static_cast<const QtpResourceDirectory*>(dlsym(handle, respack::kDirectorySymbol));
  if (directory == nullptr) return std::nullopt;
  const auto table = respack::entries(directory->pack, directory->size);
  if (!table) return std::nullopt;
  return KnownPack{directory->pack, *table};
}

void remember(const KnownPack& pack) {
  std::lock_guard lock(packsMutex);
  const bool known = std::any_of(knownPacks.begin(), knownPacks.end(), [&](const KnownPack& k) {
    return k.pack == pack.pack && k.table.size() == pack.table.size();
  });
  if (!known) knownPacks.push_back(pack);
}

const respack::PackEntry* checkedEntry(HRSRC resource, const unsigned char** pack) {
  const auto* entry = reinterpret_cast<const respack::PackEntry*>(resource);
  std::lock_guard lock(packsMutex);
  for (const KnownPack& known : knownPacks) {
    const auto* first = known.table.data();
    if (entry >= first && entry < first + known.table.size()) {
      *pack = known.pack;
      return entry;
    }
  }
  return nullptr;
}

std::optional<std::uint32_t> nameId(LPCSTR name) {
  if (name == nullptr) return std::nullopt;
  if (IS_INTRESOURCE(name))
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(name));
  const auto asType = respack::typeFromName(name);  // "#<number>" only
  if (name[0] != '#' || !asType) return std::nullopt;
  return asType->id;
}

std::optional<respack::ResourceType> resourceType(LPCSTR type) {
  if (type == nullptr) return std::nullopt;
  if (IS_INTRESOURCE(type))
    return respack::typeFromId(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(type)));
  return respack::typeFromName(type);
}

}  // namespace

HRSRC FindResourceA(HMODULE module, LPCSTR name, LPCSTR type) {
  const auto id = nameId(name);
  const auto wanted = resourceType(type);
  const auto pack = packOf(module);
  if (!id || !wanted || !pack) return nullptr;
  const auto found = std::find_if(pack->table.begin(), pack->table.end(), [&](const auto& entry) {
    return entry.name_id == *id && respack::sameType(entry, *wanted);
  });
  if (found == pack->table.end()) return nullptr;
  remember(*pack);
  return reinterpret_cast<HRSRC>(const_cast<respack::PackEntry*>(&*found));
}

HGLOBAL LoadResource(HMODULE, HRSRC resource) {
  const unsigned char* pack = nullptr;
  const auto* entry = checkedEntry(resource, &pack);
  if (entry == nullptr) return nullptr;
  return const_cast<unsigned char*>(pack + entry->offset);
}

LPVOID LockResource(HGLOBAL loaded) {
  return loaded;
}

DWORD SizeofResource(HMODULE, HRSRC resource) {
  const unsigned char* pack = nullptr;
  const auto* entry = checkedEntry(resource, &pack);
  return entry != nullptr ? entry->size : 0;
}
