#pragma once
// The controls of a form as its picture sees them: each one's rectangle on the panel in one
// layout, resolved from the same place tables the forms apply.
#include <QRect>
#include <QString>
#include <span>
#include <vector>

#include "shell/layout.h"

namespace content {

struct PlacedControl {
  QString name;
  QRect rect;
};

class PlacedControls {
 public:
  // Applies a table as the forms do: the large layout's open values come from the small one,
  // values open in both keep what the control had, and a control placed again moves.
  void apply(std::span<const ControlPlace> table, bool large);
  // For the values a control chooses itself, such as a label's size from its text.
  void setRect(const QString& name, QRect rect);
  // A null rectangle for a control that is not placed.
  QRect rect(const QString& name) const;
  const std::vector<PlacedControl>& all() const { return controls_; }

 private:
  std::vector<PlacedControl> controls_;
};

}  // namespace content
