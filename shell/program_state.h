#pragma once
// Every program-wide value in one record with one instance, so that putting the program back to
// its start-up state is one assignment that cannot miss a value added later. The names the
// program uses (InstallState, QuitAll, Setup2DLG, ...) are references into the instance,
// declared beside the code that owns them.
#include <QMetaObject>
#include <QString>
#include <cstdint>
#include <map>

class QWidget;
class TMessageForm;
class TSetup2DLG;

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

struct ProgramState {
  TInstallState InstallState;
  QString FS2000Path;  // empty or a folder ending in a backslash that holds FS2000.EXE
  QString FS98Path;    // empty or a folder ending in a backslash that holds FLTSIM98.EXE
  bool InstallRunning = false;
  bool InstallAbort = false;
  int SimVersion = 0;  // 98 or 2000 when chosen; 97 or less means no simulator
  InstallSession Session;
  bool QuitAll = false;

  // The forms that are reachable program-wide while they exist.
  TMessageForm* MessageForm = nullptr;
  TSetup2DLG* Setup2DLG = nullptr;
  std::map<const QMetaObject*, QWidget*> ActivePages;  // by the page's class

  // Hint (tool tip) timing in milliseconds: the wait before a hint shows, and how long it stays.
  int HintPause = 700;
  int HintHidePause = 2500;
};

extern ProgramState programState;

// Puts every program-wide value back to its start-up state (for tests and fresh starts).
void ResetProgramState();
