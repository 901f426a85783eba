#include "panelhost/variable_store.h"

#include <cmath>
#include <cstring>

namespace panelhost {

std::uint32_t toUint32(double value) {
  if (!std::isfinite(value)) return 0;
  const double wrapped = std::fmod(std::trunc(value), 4294967296.0);
  const double positive = wrapped < 0 ? wrapped + 4294967296.0 : wrapped;
  return static_cast<std::uint32_t>(positive);
}

void VariableStore::define(ID32 token, VarKind kind, double value) {
  Entry& entry = entries_[token];
  entry.kind = kind;
  if (!entry.pinned) entry.value = value;
}

double VariableStore::value(ID32 token) const {
  auto it = entries_.find(token);
  return it == entries_.end() ? 0.0 : it->second.value;
}

VarKind VariableStore::kind(ID32 token) const {
  auto it = entries_.find(token);
  return it == entries_.end() ? VarKind::Number : it->second.kind;
}

bool VariableStore::pinned(ID32 token) const {
  auto it = entries_.find(token);
  return it != entries_.end() && it->second.pinned;
}

void VariableStore::write(ID32 token, double value) {
  Entry& entry = entries_[token];
  if (!entry.pinned) entry.value = value;
}

void VariableStore::pin(ID32 token, double value) {
  Entry& entry = entries_[token];
  entry.value = value;
  entry.pinned = true;
}

void VariableStore::release(ID32 token) {
  auto it = entries_.find(token);
  if (it != entries_.end()) it->second.pinned = false;
}

void VariableStore::fill(MODULE_VAR& var) const {
  var.var_old = var.var_value;
  std::memset(&var.var_value, 0, sizeof var.var_value);
  if (kind(var.id) == VarKind::Integer) {
    var.var_value.d = toUint32(value(var.id));
  } else {
    var.var_value.n = value(var.id);
  }
}

}  // namespace panelhost
