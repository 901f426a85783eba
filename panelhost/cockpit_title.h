#pragma once
// The cockpit window's title: which aircraft and which of its panels is shown.
#include <QString>
#include <filesystem>
#include <optional>

namespace panelhost {

// For a panel configuration (Aircraft/NAME/panel/panel.cfg): the aircraft's title from the
// aircraft.cfg beside the panel folder, else the aircraft folder's name, then " - " and the
// panel's name from its [Window Titles] when it has one. Without a panel: the module's name.
QString cockpitTitle(const std::optional<std::filesystem::path>& panel,
                     const std::optional<std::filesystem::path>& module);

}  // namespace panelhost
