#pragma once
// The forms come in two layouts: the small one, and a large one for screens wider than 650
// pixels. Each form keeps the places of its controls in both layouts as a table.
#include <QWidget>
#include <span>

// A value the large layout leaves as the small layout has it (or a size that the control
// chooses itself, such as a label's or a picture button's).
constexpr int Same = -1;

struct Place {
  int left = Same;
  int top = Same;
  int width = Same;
  int height = Same;
};

struct ControlPlace {
  const char* name;  // the control's objectName
  Place small;
  Place large;
};

constexpr int kLargeLayoutAbove = 650;

// Whether the screen is wide enough for the large layout.
bool UseLargeLayout();

// Gives every control of the table (a descendant of `form` found by name) its place in the
// chosen layout. Values the large layout leaves open come from the small layout; values open
// in both keep what the control has.
void ApplyPlaces(QWidget* form, std::span<const ControlPlace> table, bool large);

// Moves a top-level window to the middle of its screen.
void CentreOnScreen(QWidget* window);
