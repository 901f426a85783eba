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
// either simulator has it already or nothing is chosen and no scenery is installed. False when
// the copy belongs there but did not come, for want of a recorded CD drive or because the CD
// was not at hand: the caller tries once more when the CD has been found.
bool CopyUninstaller();

// Writes the missing links through `link` (its hot key and icon number are the caller's). A
// link that cannot be written is told in a message and the others are still made. The uninstall
// link waits until the uninstaller is in the simulator's NORVANE folder.
void CreateShortcuts(TShortcutLink& link);

// The uninstall link alone, once a late copy has brought the uninstaller, into a start-menu group
// that CreateShortcuts made; nothing when either is missing.
void CreateUninstallLink(TShortcutLink& link);
