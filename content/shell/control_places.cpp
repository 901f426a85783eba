#include "control_places.h"

#include <algorithm>

namespace content {

namespace {

int chosen(int small, int large, bool useLarge, int kept) {
  const int value = useLarge && large != Same ? large : small;
  return value == Same ? kept : value;
}

}  // namespace

void PlacedControls::apply(std::span<const ControlPlace> table, bool large) {
  for (const ControlPlace& entry : table) {
    const QString name = QString::fromLatin1(entry.name);
    const QRect kept = rect(name);
    setRect(name, QRect(chosen(entry.small.left, entry.large.left, large, kept.left()),
                        chosen(entry.small.top, entry.large.top, large, kept.top()),
                        chosen(entry.small.width, entry.large.width, large, kept.width()),
                        chosen(entry.small.height, entry.large.height, large, kept.height())));
  }
}

void PlacedControls::setRect(const QString& name, QRect rect) {
  const auto found = std::find_if(controls_.begin(), controls_.end(),
                                  [&name](const PlacedControl& c) { return c.name == name; });
  if (found == controls_.end())
    controls_.push_back({name, rect});
  else
    found->rect = rect;
}

QRect PlacedControls::rect(const QString& name) const {
  const auto found = std::find_if(controls_.begin(), controls_.end(),
                                  [&name](const PlacedControl& c) { return c.name == name; });
  return found == controls_.end() ? QRect() : found->rect;
}

}  // namespace content
