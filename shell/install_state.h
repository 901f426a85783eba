#pragma once
// What must survive a run (the product key and its in-memory copy InstallState), the simulator
// folders found at start-up, the program-wide state of an installation and the install session,
// and the checks of an installation against the disk.
#include <QString>
#include <cstdint>

// The in-memory copy of the product key; all false and empty until DetectSimulators has run.
struct TInstallState {
  bool Lesson[19] = {};  // M0 .. M18
  bool AC98[4] = {};     // AC981 .. AC984
  bool AC2K[4] = {};     // AC2K1 .. AC2K4
  bool SC98 = false;
  bool SC2K = false;
  QString SCRes;  // at most one character: "0", "1" or "2"
  bool QTP98 = false;
  bool QTP2K = false;
  QString InstallDir;  // ends with a backslash when set
  QString CDDrive;     // a drive root such as "D:\", empty when no CD drive is recorded
};

// The installer's record of the current installation, filled by the wizard and consumed by the
// installation run; the choices survive between runs.
struct InstallSession {
  QString TargetFolder;
  bool TrainingChosen = false;
  bool AircraftChosen[4] = {};
  bool SceneryChosen = false;
  QString SceneryRes;
  bool DesktopIcon = false;
  std::int32_t ExpectedFiles = 0;
  std::int32_t ExtractedFiles = 0;
};

extern TInstallState InstallState;
extern QString FS2000Path;  // empty or a folder ending in a backslash that holds FS2000.EXE
extern QString FS98Path;    // empty or a folder ending in a backslash that holds FLTSIM98.EXE
extern bool InstallRunning;
extern bool InstallAbort;
extern int SimVersion;  // 98 or 2000 when chosen; 97 or less means no simulator
extern InstallSession Session;

// HKEY_LOCAL_MACHINE\SOFTWARE\NORVANE\QTP\1.0
extern const char* const ProductKey;

// Creates the missing values of the product key, reads them into InstallState, and finds the
// simulator folders. Called once when the main menu is first shown.
void DetectSimulators();

// Write one value of the product key if the key opens; callers set InstallState themselves.
void WriteStateBool(const QString& Name, bool Value);
void WriteStateString(const QString& Name, const QString& Value);

// Free space of the drive of a root such as "C:\" in KB (1024 bytes), truncated; -1 when the
// system cannot tell.
std::int64_t DiskFreeKB(const QString& Root);

// KB that the components chosen in the session need on the simulator's drive, leaving out what
// is installed for that simulator already; 0 for any version but 98 and 2000.
std::int64_t RequiredDiskKB(int Version);

// Whether the simulator's drive has room for the chosen components; true for other versions.
bool EnoughDiskSpace(int Version);

// Whether the chosen simulator's folder exists; says so in a message when it does not.
bool SimFolderExists(int Version);

// Sets Session.ExpectedFiles to the number of archive members the chosen components yield for
// SimVersion (0 for neither simulator): the full scale of the installation progress.
void ExpectedFileCount();

// Puts every value of this header back to its start-up state (for tests and fresh starts).
void ResetProgramState();
