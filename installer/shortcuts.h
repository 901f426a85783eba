#pragma once
// The two steps of the installation run that come before any archive: the uninstaller copied
// from the CD into the simulator, and the start-menu group with the program and uninstall links
// (and, on request, the desktop link). Links that exist are never written again, so the first
// installation decides their targets.
class TShortcutLink;

// The icon the training component installs beside QTP.EXE, which the program and desktop links
// show: the launcher is a script and carries no icon of its own.
inline constexpr const char* kProgramIconFile = "QTP.PNG";

// Copies the CD's UNINSTALL.EXE to <simulator>\NORVANE\UNINSTALL.EXE for SimVersion, unless
// either simulator has it already or nothing is chosen and no scenery is installed.
void CopyUninstaller();

// Writes the missing links through `link` (its hot key and icon number are the caller's). A
// link that cannot be written is told in a message and the others are still made.
void CreateShortcuts(TShortcutLink& link);
