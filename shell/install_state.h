#pragma once
// What must survive a run (the product key and its in-memory copy InstallState), the simulator
// folders found at start-up, the program-wide state of an installation and the install session,
// and the checks of an installation against the disk.
#include <QString>
#include <cstdint>

#include "shell/program_state.h"

inline TInstallState& InstallState = programState.InstallState;
inline QString& FS2000Path = programState.FS2000Path;
inline QString& FS98Path = programState.FS98Path;
inline bool& InstallRunning = programState.InstallRunning;
inline bool& InstallAbort = programState.InstallAbort;
inline int& SimVersion = programState.SimVersion;
inline InstallSession& Session = programState.Session;

// HKEY_LOCAL_MACHINE\SOFTWARE\NORVANE\QTP\1.0
extern const char* const ProductKey;

// Creates the missing values of the product key, reads them into InstallState, and finds the
// simulator folders. Called once when the main menu is first shown.
void DetectSimulators();

// Finishes or undoes what an installation run killed in a simulator folder left there (see
// installer/record/run_journal.h): a component whose log block was written gets its install flag.
void RecoverInterruptedRuns();

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
