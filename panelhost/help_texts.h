#pragma once
// What the window's tooltips say over a gauge area: a German name for each help id the product's
// gauges carry, so that a pilot reads "Höhenmesser" and never a number.
#include <string_view>

#include "gauges/panel_records.h"

namespace panelhost {

// The text for an area that carries a help id we have no name for.
inline constexpr std::string_view kUnnamedHelpText = "Bedienelement";

// The name shown for the help id (UTF-8), kUnnamedHelpText for an id the table does not know.
std::string_view helpText(ID32 helpId);

}  // namespace panelhost
