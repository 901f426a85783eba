#pragma once
// The simulator variables by token. A token holds a number or a 32-bit integer (BCD
// frequencies, codes, states), which decides how it is written into a module variable. A pinned
// token keeps the value that a script gave it; the aircraft's own writes leave it alone until it
// is released.
#include <cstdint>
#include <unordered_map>

#include "gauges/panel_records.h"

namespace panelhost {

enum class VarKind { Number, Integer };

class VariableStore {
 public:
  void define(ID32 token, VarKind kind, double value);
  double value(ID32 token) const;
  VarKind kind(ID32 token) const;
  bool pinned(ID32 token) const;

  // The aircraft's write; ignored while the token is pinned.
  void write(ID32 token, double value);
  void pin(ID32 token, double value);
  void release(ID32 token);

  // Fills a module variable's value field the way the module reads that token.
  void fill(MODULE_VAR& var) const;

 private:
  struct Entry {
    VarKind kind = VarKind::Number;
    double value = 0;
    bool pinned = false;
  };
  std::unordered_map<ID32, Entry> entries_;
};

// A 32-bit integer view of a number: truncated, wrapped to 32 bits; NaN gives 0.
std::uint32_t toUint32(double value);

}  // namespace panelhost
