#pragma once
// Shell links as freedesktop desktop entries: a link requested as "...\QTP.lnk" is written as
// "...\QTP.desktop" beside it, executable, replaced whole or not at all. Hot key and show
// command keep their Windows values in X- keys.
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

struct ShellLink {
  std::string target;      // Windows path of the program
  std::string workingDir;  // Windows path
  std::string description;
  std::string arguments;
  std::string iconLocation;  // Windows path of the file holding the icon
  std::string categories;    // menu categories, each followed by ';'; none when empty
  int iconNumber = 0;
  std::uint16_t hotKey = 0;  // Windows hot key word: modifiers in the high byte, key in the low
  int showCommand = 1;       // Windows show command: 1 normal, 2 minimised, 3 maximised
};

// The Windows path of the file that stands for a requested link file.
std::string linkFileFor(std::string_view lnkPath);

// Writes the link; false when the file cannot be written (nothing is left half-written).
bool writeShellLink(std::string_view lnkPath, const ShellLink& link);

}  // namespace platform
