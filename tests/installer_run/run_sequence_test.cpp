// Whole runs from the sample CD: the archives in their order and places, the needle's scale,
// what is recorded, and where the run stops.
#include <QLabel>

#include "installer/install_run.h"
#include "installer/setup1_dlg.h"
#include "installer/srcdrv_dlg.h"
#include "run_fixture.h"
#include "shell/install_state.h"
#include "tests/shell/shell_test_support.h"

namespace fs = std::filesystem;

namespace {

const QString kSuccess = QStringLiteral("Installation wurde erfolgreich durchgeführt!");

TEST_F(RunTest, TheSecondAircraftAloneForFs98) {
  SimVersion = 98;
  Session.AircraftChosen[1] = true;
  InstallRunning = true;
  RunInstallation();
  EXPECT_EQ(archives, (std::vector<QString>{"FS98\\SOUND.RAR", "FS98\\Aircraft2.rar",
                                            "FS98\\GAUGES2.rar", "FS98\\AIRCRAFTSND1.RAR"}));
  for (const QString& destination : destinations) EXPECT_EQ(destination, FS98Path);
  EXPECT_EQ(Session.ExpectedFiles, 75);
  EXPECT_EQ(Session.ExtractedFiles, 75);
  EXPECT_EQ(StoredBool("AC982"), true);
  EXPECT_TRUE(InstallState.AC98[1]);
  EXPECT_EQ(StoredBool("AC981"), false);
  EXPECT_EQ(StoredBool("AC2K2"), false);
  EXPECT_FALSE(Session.AircraftChosen[1]);
  EXPECT_EQ(MessageTexts(), std::vector<QString>{kSuccess});
  EXPECT_EQ(headingAtSuccess, 335);
  EXPECT_EQ(statusAtSuccess, "Installation beendet!");
  EXPECT_FALSE(InstallRunning);
  EXPECT_FALSE(InstallAbort);
  EXPECT_EQ(Setup2DLG, nullptr);
  // Every member of the aircraft's archive is in the simulator's folder.
  for (const std::string& member : ArchiveMembers(SampleCd() / "FS98" / "Aircraft2.rar"))
    EXPECT_TRUE(fs::exists(Fs98() / member)) << member;
}

TEST_F(RunTest, TrainingAndSceneryForFs2000AtTheMiddleResolution) {
  SimVersion = 2000;
  Session.TrainingChosen = true;
  Session.SceneryChosen = true;
  Session.SceneryRes = "1";
  Session.TargetFolder = QStringLiteral("C:\\QTP\\");
  fs::create_directories(prefix.driveC() / "QTP");
  InstallRunning = true;
  RunInstallation();
  EXPECT_EQ(archives, (std::vector<QString>{"QTP.RAR", "FS2000\\ADV.RAR", "ADV.RAR",
                                            "FS2000\\PILOTS.RAR", "FS2000\\NORVANE1.RAR"}));
  EXPECT_EQ(destinations[0], "C:\\QTP\\");
  for (std::size_t i = 1; i < destinations.size(); ++i) EXPECT_EQ(destinations[i], FS2000Path);
  EXPECT_EQ(Session.ExpectedFiles, 6303);
  EXPECT_EQ(Session.ExtractedFiles, 6303);
  EXPECT_EQ(StoredBool("QTP2K"), true);
  EXPECT_EQ(StoredBool("SC2K"), true);
  EXPECT_EQ(StoredString("SCRes"), "1");
  EXPECT_TRUE(InstallState.QTP2K && InstallState.SC2K);
  EXPECT_EQ(InstallState.SCRes, "1");
  EXPECT_EQ(StoredBool("QTP98"), false);
  EXPECT_FALSE(Session.TrainingChosen || Session.SceneryChosen);
  EXPECT_EQ(MessageTexts().back(), kSuccess);
  EXPECT_TRUE(fs::exists(prefix.driveC() / "QTP" / "QTP.EXE"));
}

TEST_F(RunTest, AStopDuringTheSceneryKeepsTheTrainingAndLeavesTheSceneryChosen) {
  SimVersion = 2000;
  Session.TrainingChosen = true;
  Session.SceneryChosen = true;
  InstallRunning = true;
  onPump = [this] {
    if (!archives.empty() && archives.back().startsWith("FS2000\\NORVANE")) InstallAbort = true;
  };
  RunInstallation();
  ASSERT_FALSE(archives.empty());
  EXPECT_EQ(archives.back(), "FS2000\\NORVANE0.RAR");
  EXPECT_EQ(StoredBool("QTP2K"), true);
  EXPECT_TRUE(InstallState.QTP2K);
  EXPECT_EQ(StoredBool("SC2K"), false);
  EXPECT_FALSE(InstallState.SC2K);
  EXPECT_TRUE(Session.SceneryChosen);
  EXPECT_FALSE(Session.TrainingChosen);
  EXPECT_LT(Session.ExtractedFiles, Session.ExpectedFiles);
  EXPECT_TRUE(messages.empty());  // a stop the user asked for is not reported
  EXPECT_FALSE(InstallRunning);
}

TEST_F(RunTest, AMissingSimulatorFolderEndsTheRunBeforeAnything) {
  SimVersion = 2000;
  Session.AircraftChosen[0] = true;
  FS2000Path = QStringLiteral("C:\\Gone\\");
  InstallRunning = true;
  RunInstallation();
  EXPECT_TRUE(archives.empty());
  EXPECT_EQ(MessageTexts(),
            std::vector<QString>{"Kann das FS2000 Verzeichnis nicht finden, breche ab!"});
  EXPECT_TRUE(InstallAbort);
  EXPECT_FALSE(InstallRunning);
  EXPECT_TRUE(Session.AircraftChosen[0]);
  EXPECT_EQ(StoredBool("AC2K1"), false);
}

TEST_F(RunTest, NoSimulatorChosenInstallsNothing) {
  SimVersion = 0;
  Session.TrainingChosen = true;
  InstallRunning = true;
  RunInstallation();
  EXPECT_TRUE(archives.empty());
  EXPECT_TRUE(messages.empty());
  EXPECT_FALSE(InstallRunning);
  EXPECT_TRUE(Session.TrainingChosen);
  EXPECT_EQ(StoredBool("QTP2K"), false);
  EXPECT_EQ(StoredBool("QTP98"), false);
}

TEST_F(RunTest, TheNextRunCanStartOnceTheFirstHasEnded) {
  SimVersion = 2000;
  Session.AircraftChosen[3] = true;
  InstallRunning = true;
  RunInstallation();
  Session.AircraftChosen[2] = true;
  InstallRunning = true;
  RunInstallation();
  EXPECT_EQ(archives, (std::vector<QString>{"FS2000\\SOUND.RAR", "FS2000\\Aircraft4.rar",
                                            "FS2000\\GAUGES4.rar", "FS2000\\AIRCRAFTSND2.RAR",
                                            "FS2000\\SOUND.RAR", "FS2000\\Aircraft3.rar",
                                            "FS2000\\GAUGES3.rar", "FS2000\\AIRCRAFTSND2.RAR"}));
  EXPECT_EQ(StoredBool("AC2K4"), true);
  EXPECT_EQ(StoredBool("AC2K3"), true);
  EXPECT_EQ(MessageTexts(), (std::vector<QString>{kSuccess, kSuccess}));
}

}  // namespace

namespace {

TEST_F(RunTest, TheSceneryIsRegisteredWithTheSimulator) {
  SimVersion = 2000;
  Session.SceneryChosen = true;
  InstallRunning = true;
  RunInstallation();
  EXPECT_NE(testsupport::TempPrefix::readFile(Fs2000() / "SCENERY.CFG").find("Title=Norvane AZ"),
            std::string::npos);
  EXPECT_EQ(StoredString("SCRes"), "0");
  messages.clear();
  SimVersion = 98;
  Session.SceneryChosen = true;
  InstallRunning = true;
  RunInstallation();
  EXPECT_EQ(archives.back(), "FS98\\NORVANE.RAR");
  EXPECT_EQ(StoredBool("SC98"), true);
  EXPECT_TRUE(InstallState.SC98);
  EXPECT_NE(testsupport::TempPrefix::readFile(Fs98() / "Scenery" / "World.vis")
                .find("NORVANE Arizona Scenery"),
            std::string::npos);
  EXPECT_EQ(MessageTexts(), std::vector<QString>{kSuccess});
}

TEST_F(RunTest, TheShortcutsAndTheUninstallerComeFirstEvenWhenTheFirstArchiveIsMissing) {
  ReplaceCdFile("QTP.RAR", std::nullopt);
  WhenFormShown("TSRCDRVDLG",
                [](QWidget* form) { static_cast<TSRCDRVDLG*>(form)->AbortBtnClick(); });
  SimVersion = 2000;
  Session.TrainingChosen = true;
  Session.DesktopIcon = true;
  InstallRunning = true;
  RunInstallation();
  EXPECT_TRUE(archives.empty());
  EXPECT_TRUE(messages.empty());
  const fs::path group = prefix.root() / "home" / "data" / "applications" / "Norvane" / "QTP";
  EXPECT_TRUE(fs::exists(group / "QTP.desktop"));
  EXPECT_TRUE(fs::exists(group / "Uninstall.desktop"));
  EXPECT_TRUE(fs::exists(prefix.root() / "home" / "Desktop" / "QTP.desktop"));
  EXPECT_TRUE(fs::exists(Fs2000() / "NORVANE" / "UNINSTALL.EXE"));
  EXPECT_EQ(StoredBool("QTP2K"), false);
  EXPECT_TRUE(Session.TrainingChosen);
  EXPECT_FALSE(InstallRunning);
}

}  // namespace

namespace {

TEST_F(RunTest, EachStepShowsItsStatusAndTheWindowIsOnScreenWhileItRuns) {
  SimVersion = 98;
  Session.TrainingChosen = true;
  Session.AircraftChosen[0] = true;
  Session.AircraftChosen[2] = true;
  InstallRunning = true;
  RunInstallation();
  EXPECT_EQ(statuses, (std::vector<QString>{"Installiere QTP...", "Installiere Adventures...",
                                            "Installiere ADV-Sound...", "Installiere Situationen",
                                            "Installiere SOUND...", "Installiere Flugzeuge...",
                                            "Installation beendet!"}));
  EXPECT_EQ(archives.size(), 11u);
  EXPECT_TRUE(windowSeen);
  EXPECT_FALSE(InstallRunWindowShown());
  EXPECT_EQ(StoredBool("QTP98"), true);
  EXPECT_EQ(StoredBool("AC981"), true);
  EXPECT_EQ(StoredBool("AC983"), true);
  EXPECT_EQ(StoredBool("AC982"), false);
}

TEST_F(RunTest, AnOwnerDestroyedDuringTheRunDoesNotTakeTheWindowWithIt) {
  auto* owner = new QWidget;
  onPump = [&] {
    if (owner && archives.size() == 2) {
      delete owner;
      owner = nullptr;
    }
  };
  SimVersion = 2000;
  Session.AircraftChosen[1] = true;
  InstallRunning = true;
  RunInstallation(owner);
  EXPECT_EQ(owner, nullptr);
  EXPECT_EQ(archives.size(), 4u);
  EXPECT_EQ(StoredBool("AC2K2"), true);
  EXPECT_EQ(MessageTexts(), std::vector<QString>{kSuccess});
}

}  // namespace
