// Resource lookup in a loaded module through the pack it exports (see resource_pack.h).
#include <dlfcn.h>
#include <link.h>

#include <algorithm>
#include <string>
#include <vector>

#include "winapi/resource_pack.h"
#include "winapi/windows.h"

namespace {

struct ModulePack {
  const unsigned char* pack;
  std::span<const respack::PackEntry> table;
};

struct LoadedObject {
  std::string name;  // empty for the program itself
  std::uintptr_t base;
  std::vector<std::pair<std::uintptr_t, std::uintptr_t>> segments;  // [begin, end)
};

std::vector<LoadedObject> loadedObjects() {
  std::vector<LoadedObject> objects;
  dl_iterate_phdr(
      [](dl_phdr_info* info, std::size_t, void* out) {
        LoadedObject object{info->dlpi_name != nullptr ? info->dlpi_name : "", info->dlpi_addr, {}};
        for (ElfW(Half) i = 0; i < info->dlpi_phnum; ++i) {
          const ElfW(Phdr)& header = info->dlpi_phdr[i];
          if (header.p_type != PT_LOAD) continue;
          const std::uintptr_t begin = info->dlpi_addr + header.p_vaddr;
          object.segments.emplace_back(begin, begin + header.p_memsz);
        }
        static_cast<std::vector<LoadedObject>*>(out)->push_back(std::move(object));
        return 0;
      },
      &objects);
  return objects;
}

// The dlopen handle of the loaded object that `module` names: its dlopen handle, its base
// address or an address inside it (as a Windows instance handle would be); null stands for the
// program. Anything else names no module; the value is compared, never followed.
struct OpenedModule {
  void* handle;
  LoadedObject object;
};

std::optional<OpenedModule> openModule(HMODULE module) {
  const auto wanted = reinterpret_cast<std::uintptr_t>(module);
  for (const LoadedObject& object : loadedObjects()) {
    const bool program = object.name.empty();
    if (module == nullptr && !program) continue;
    void* handle = dlopen(program ? nullptr : object.name.c_str(), RTLD_LAZY | RTLD_NOLOAD);
    if (handle == nullptr) continue;
    const bool inside =
        std::any_of(object.segments.begin(), object.segments.end(),
                    [&](const auto& s) { return wanted >= s.first && wanted < s.second; });
    if (module == nullptr || handle == module || wanted == object.base || inside)
      return OpenedModule{handle, object};
    dlclose(handle);
  }
  return std::nullopt;
}

// The pack that the loaded object exports as its own (dlsym also searches what an object
// depends on; only a directory inside the object itself counts).
std::optional<ModulePack> ownPack(const OpenedModule& opened) {
  const auto* directory =
      static_cast<const QtpResourceDirectory*>(dlsym(opened.handle, respack::kDirectorySymbol));
  const auto at = reinterpret_cast<std::uintptr_t>(directory);
  const auto& segments = opened.object.segments;
  if (directory == nullptr || std::none_of(segments.begin(), segments.end(), [&](const auto& s) {
        return at >= s.first && at < s.second;
      }))
    return std::nullopt;
  const auto table = respack::entries(directory->pack, directory->size);
  if (!table) return std::nullopt;
  return ModulePack{directory->pack, *table};
}

std::optional<ModulePack> packOf(HMODULE module) {
  const auto opened = openModule(module);
  if (!opened) return std::nullopt;
  auto pack = ownPack(*opened);
  dlclose(opened->handle);  // the module stays loaded by whoever loaded it
  return pack;
}

// The entry that `resource` is, in the pack of an object loaded now, or null: a handle that
// outlived its module, or that points anywhere else, is refused instead of followed.
const respack::PackEntry* checkedEntry(HRSRC resource, const unsigned char** pack) {
  if (resource == nullptr) return nullptr;
  const auto at = reinterpret_cast<std::uintptr_t>(resource);
  for (const LoadedObject& object : loadedObjects()) {
    const char* name = object.name.empty() ? nullptr : object.name.c_str();
    void* handle = dlopen(name, RTLD_LAZY | RTLD_NOLOAD);
    if (handle == nullptr) continue;
    const auto owner = ownPack(OpenedModule{handle, object});
    dlclose(handle);
    if (!owner) continue;
    const auto first = reinterpret_cast<std::uintptr_t>(owner->table.data());
    if (at < first) continue;
    const std::uintptr_t index = (at - first) / sizeof(respack::PackEntry);
    if (index >= owner->table.size() || (at - first) % sizeof(respack::PackEntry) != 0) continue;
    *pack = owner->pack;
    return &owner->table[index];
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
