#include "platform/registry.h"

#include <ctime>

#include "platform/names.h"
#include "platform/prefix.h"
#include "platform/registry_store.h"

namespace platform {

namespace fs = std::filesystem;

namespace {

std::string stampNow() {
  return std::to_string(static_cast<long long>(std::time(nullptr)));
}

std::string trimmedPath(std::string_view path) {
  while (!path.empty() && path.front() == '\\') path.remove_prefix(1);
  while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
  return std::string(path);
}

const regtext::Key* findMachineKey(const regtext::Document& machine, const std::string& path) {
  constexpr std::string_view software = "Software\\";
  if (machine.win64 && path.size() > software.size() &&
      sameName(std::string_view(path).substr(0, software.size()), software)) {
    const std::string redirected = "Software\\Wow6432Node\\" + path.substr(software.size());
    if (const regtext::Key* key = machine.find(redirected)) return key;
  }
  return machine.find(path);
}

}  // namespace

RegistryKey::RegistryKey(fs::path prefix, std::string path)
    : prefix_(std::move(prefix)),
      path_(std::move(path)),
      machine_(regstore::load(prefix_ / "system.reg")),
      own_(regstore::load(prefix_ / "qtp.reg")) {}

std::optional<RegistryKey> RegistryKey::open(std::string_view path, bool create) {
  std::string keyPath = trimmedPath(path);
  if (currentPrefixDir().empty() || keyPath.empty()) return std::nullopt;
  RegistryKey key(currentPrefixDir(), std::move(keyPath));
  if (key.machineKey() || (key.own_ && key.own_->find(key.path_))) return key;
  if (!create || !key.own_) return std::nullopt;
  const std::string stamp = stampNow();
  const bool made = regstore::update(
      key.prefix_ / "qtp.reg", [&key, &stamp](regtext::Document& d) { d.obtain(key.path_, stamp); },
      &key.own_);
  if (!made) return std::nullopt;
  return key;
}

const regtext::Key* RegistryKey::machineKey() const {
  return machine_ ? findMachineKey(*machine_, path_) : nullptr;
}

const regtext::Value* RegistryKey::find(std::string_view name) const {
  if (own_) {
    if (const regtext::Key* key = own_->find(path_))
      if (const regtext::Value* value = key->find(name)) return value;
  }
  const regtext::Key* key = machineKey();
  return key ? key->find(name) : nullptr;
}

bool RegistryKey::valueExists(std::string_view name) const {
  return find(name) != nullptr;
}

std::optional<std::string> RegistryKey::readString(std::string_view name) const {
  const regtext::Value* value = find(name);
  if (!value || value->kind != regtext::ValueKind::String) return std::nullopt;
  return value->text;
}

std::optional<std::uint32_t> RegistryKey::readInteger(std::string_view name) const {
  const regtext::Value* value = find(name);
  if (!value || value->kind != regtext::ValueKind::Dword) return std::nullopt;
  return value->number;
}

bool RegistryKey::writeString(std::string_view name, std::string_view text) {
  return writeValues({{std::string(name), std::string(text)}});
}

bool RegistryKey::writeInteger(std::string_view name, std::uint32_t number) {
  return writeValues({{std::string(name), number}});
}

bool RegistryKey::writeValues(const std::vector<RegistryValue>& values) {
  if (!own_) return false;
  const std::string stamp = stampNow();
  auto change = [this, &values, &stamp](regtext::Document& d) {
    regtext::Key& key = d.obtain(path_, stamp);
    for (const RegistryValue& value : values) {
      regtext::Value stored;
      stored.name = value.name;
      if (const auto* number = std::get_if<std::uint32_t>(&value.data)) {
        stored.kind = regtext::ValueKind::Dword;
        stored.number = *number;
      } else {
        stored.text = std::get<std::string>(value.data);
      }
      key.set(std::move(stored));
    }
  };
  return regstore::update(prefix_ / "qtp.reg", change, &own_);
}

}  // namespace platform
