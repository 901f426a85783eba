#pragma once
// Where the controls of the main menu and of every large page sit, taken from the forms' own
// place tables, so that each layout's picture is drawn around them.
#include <QPoint>
#include <QSize>
#include <span>

#include "control_places.h"

namespace content {

// A page's frame (Return and Exit at the page's own places) and its own controls.
struct PageLayout {
  const char* form;
  QPoint returnSmall;
  QPoint exitSmall;
  QPoint returnLarge;
  std::span<const ControlPlace> places;
};

// The layout of the page with that form name, or null.
const PageLayout* findPageLayout(const char* form);

QSize panelSize(bool large);
PlacedControls placePage(const PageLayout& page, bool large);
// The menu's labels take the size of their text, and the FAQ button in the large layout sits
// flush with the right edge of the picture.
PlacedControls placeMainMenu(bool large);

}  // namespace content
