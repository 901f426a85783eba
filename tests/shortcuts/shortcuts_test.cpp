// The uninstaller copy and the links as the installation run makes them before any archive.
#include <gtest/gtest.h>

#include <QWidget>
#include <filesystem>

#include "installer/shortcut_link.h"
#include "installer/shortcuts.h"
#include "shell/install_state.h"
#include "tests/installer_wizard/wizard_fixture.h"
#include "tests/shortcuts/link_home.h"

namespace fs = std::filesystem;
using testsupport::TempPrefix;

namespace {

const QString kStartMenuError =
    QStringLiteral("Ein Eintrag im Strtmenü konnte nicht angelegt werden!");
const QString kDesktopError = QStringLiteral("Das Desktopicon konnte nicht angelegt werden!");
const QString kUninstallerError =
    QStringLiteral("\"Unistall.exe\" konnte nicht installiert werden!");

class RunStep : public WizardTest {
 protected:
  void SetUp() override {
    WizardTest::SetUp();
    home_ = std::make_unique<LinkHome>(prefix.root());
    cd_ = prefix.addDrive('D', testsupport::DriveKind::CdRomDevice);
    TempPrefix::writeFile(cd_ / "UNINSTALL.EXE", "MZ uninstaller");
    InstallState.CDDrive = QStringLiteral("D:\\");
    Session.TargetFolder = QStringLiteral("C:\\Programme\\QTP\\");
    // The run's link component: a single space as hot key, icon number 0.
    link_.setHotKey(u' ');
    link_.setIconNumber(0);
  }

  void Shortcuts(int messagesExpected = 0) {
    for (int i = 0; i < messagesExpected; ++i) hooks::queueMessageAnswer(QStringLiteral("OK"));
    CreateShortcuts(link_);
    EXPECT_FALSE(hooks::hasQueuedMessageAnswer()) << "a message that was expected did not come";
  }

  void Uninstaller(const char* answer = nullptr) {
    if (answer) hooks::queueMessageAnswer(QString::fromLatin1(answer));
    CopyUninstaller();
    EXPECT_FALSE(hooks::hasQueuedMessageAnswer()) << "a message that was expected did not come";
  }

  // As the run's copy leaves it before the links, under the name the link gives it.
  void PlaceUninstaller(const char* simulator) const {
    TempPrefix::writeFile(prefix.driveC() / simulator / "NORVANE" / "Uninstall.EXE", "MZ");
  }

  fs::path ProgramLink() const { return home_->group() / "QTP.desktop"; }
  fs::path UninstallLink() const { return home_->group() / "Uninstall.desktop"; }
  fs::path DesktopLink() const { return home_->desktop() / "QTP.desktop"; }
  std::string Host(const char* relativeToC) const {
    return (fs::canonical(prefix.driveC()) / relativeToC).string();
  }

  // Every link written is a valid entry in the product's menu categories with the product's icon
  // from the target folder, Control+Alt+space and a normal window.
  void ExpectRunLink(const fs::path& entry, const std::string& program,
                     const std::string& folder) const {
    ASSERT_TRUE(ValidEntry(entry)) << entry;
    EXPECT_EQ(EntryValue(entry, "Exec"), "\"" + program + "\"");
    EXPECT_EQ(EntryValue(entry, "Path"), folder);
    EXPECT_EQ(EntryValue(entry, "Icon"), Host("Programme/QTP/QTP.PNG"));
    EXPECT_EQ(EntryValue(entry, "Categories"), "Game;Simulation;Education;");
    EXPECT_EQ(EntryValue(entry, "X-Windows-HotKey"), "0x0620");
    EXPECT_EQ(EntryValue(entry, "X-Windows-ShowCmd"), "1");
  }

  std::unique_ptr<LinkHome> home_;
  fs::path cd_;
  QWidget form_;
  TShortcutLink link_{&form_};
};

}  // namespace

TEST_F(RunStep, TrainingGetsTheProgramAndUninstallLinks) {
  InstallFS2000();
  PlaceUninstaller("FS2000");
  SimVersion = 2000;
  Session.TrainingChosen = true;
  Shortcuts();
  EXPECT_TRUE(messages.empty());
  ExpectRunLink(ProgramLink(), Host("Programme/QTP/QTP.EXE"), Host("Programme/QTP"));
  ExpectRunLink(UninstallLink(), Host("FS2000/NORVANE/Uninstall.EXE"), Host("FS2000/NORVANE"));
  EXPECT_TRUE(fs::is_empty(home_->desktop()));
}

TEST_F(RunStep, AircraftOnlyWithTheDesktopOptionGetsUninstallAndDesktopLinks) {
  InstallFS98();
  PlaceUninstaller("FS98");
  SimVersion = 98;
  Session.AircraftChosen[2] = true;
  Session.DesktopIcon = true;
  Shortcuts();
  EXPECT_TRUE(messages.empty());
  EXPECT_FALSE(fs::exists(ProgramLink()));
  ExpectRunLink(UninstallLink(), Host("FS98/NORVANE/Uninstall.EXE"), Host("FS98/NORVANE"));
  // The target folder does not exist yet: the entry names it as written.
  const std::string target = fs::canonical(prefix.driveC()).string() + "/Programme/QTP";
  ExpectRunLink(DesktopLink(), target + "/QTP.EXE", target);
}

TEST_F(RunStep, ASecondInstallationRewritesNoLink) {
  InstallFS2000();
  PlaceUninstaller("FS2000");
  SimVersion = 2000;
  Session.TrainingChosen = true;
  Session.DesktopIcon = true;
  fs::create_directories(home_->group());
  for (const fs::path& entry : {ProgramLink(), UninstallLink(), DesktopLink()})
    TempPrefix::writeFile(entry, "[Desktop Entry]\nType=Application\nName=first\nExec=first\n");
  Session.TargetFolder = QStringLiteral("C:\\Anderswo\\");
  Shortcuts();
  EXPECT_TRUE(messages.empty());
  for (const fs::path& entry : {ProgramLink(), UninstallLink(), DesktopLink()})
    EXPECT_EQ(EntryValue(entry, "Exec"), "first") << entry;

  // Only what is missing is written.
  fs::remove(UninstallLink());
  Shortcuts();
  EXPECT_EQ(EntryValue(ProgramLink(), "Exec"), "first");
  EXPECT_NE(EntryValue(UninstallLink(), "Exec").find("Uninstall.EXE"), std::string::npos);
}

TEST_F(RunStep, WithoutTheDesktopOptionTheDesktopIsNotTouched) {
  InstallFS2000();
  SimVersion = 2000;
  Session.TrainingChosen = true;
  Shortcuts();
  EXPECT_TRUE(fs::is_empty(home_->desktop()));
  TempPrefix::writeFile(DesktopLink(), "[Desktop Entry]\nType=Application\nName=old\nExec=old\n");
  fs::remove(ProgramLink());
  Shortcuts();
  EXPECT_EQ(EntryValue(DesktopLink(), "Exec"), "old");
  EXPECT_TRUE(fs::exists(ProgramLink()));
}

TEST_F(RunStep, NoGroupMeansNoLinkAtAll) {
  InstallFS2000();
  SimVersion = 2000;
  Session.TrainingChosen = true;
  Session.DesktopIcon = true;
  TempPrefix::writeFile(home_->programs() / "Norvane", "a file where the group would go");
  Shortcuts(1);
  ASSERT_EQ(MessageTexts(), std::vector<QString>{kStartMenuError});
  EXPECT_TRUE(messages[0].red);
  EXPECT_TRUE(messages[0].showOK);
  EXPECT_FALSE(messages[0].showAbort);
  EXPECT_TRUE(fs::is_empty(home_->desktop()));
  EXPECT_FALSE(fs::exists(home_->group()));
}

TEST_F(RunStep, NoHomeMeansNoGroup) {
  testsupport::ScopedEnv noHome("HOME", std::nullopt);
  InstallFS2000();
  SimVersion = 2000;
  Session.TrainingChosen = true;
  Shortcuts(1);
  EXPECT_EQ(MessageTexts(), std::vector<QString>{kStartMenuError});
  EXPECT_FALSE(fs::exists(home_->programs()));
}

TEST_F(RunStep, AFailedDesktopLinkIsToldAndTheRunGoesOn) {
  InstallFS2000();
  PlaceUninstaller("FS2000");
  SimVersion = 2000;
  Session.TrainingChosen = true;
  Session.DesktopIcon = true;
  fs::remove(home_->desktop());
  TempPrefix::writeFile(home_->desktop(), "a file where the desktop would go");
  Shortcuts(1);
  ASSERT_EQ(MessageTexts(), std::vector<QString>{kDesktopError});
  EXPECT_TRUE(messages[0].red);
  EXPECT_TRUE(fs::exists(ProgramLink()));
  EXPECT_TRUE(fs::exists(UninstallLink()));
}

TEST_F(RunStep, AFailedStartMenuLinkIsToldAndTheOthersAreStillMade) {
  InstallFS2000();
  PlaceUninstaller("FS2000");
  SimVersion = 2000;
  Session.TrainingChosen = true;
  Session.DesktopIcon = true;
  fs::create_directories(ProgramLink() / "in the way");
  Shortcuts(1);
  ASSERT_EQ(MessageTexts(), std::vector<QString>{kStartMenuError});
  EXPECT_TRUE(messages[0].red);
  EXPECT_TRUE(fs::exists(DesktopLink()));
  EXPECT_TRUE(fs::exists(UninstallLink()));

  messages.clear();
  fs::remove(DesktopLink());
  fs::remove(UninstallLink());
  fs::create_directories(UninstallLink() / "in the way");
  fs::remove_all(ProgramLink());
  Shortcuts(1);
  EXPECT_EQ(MessageTexts(), std::vector<QString>{kStartMenuError});
  EXPECT_TRUE(fs::exists(ProgramLink()));
  EXPECT_TRUE(fs::exists(DesktopLink()));
}

TEST_F(RunStep, UninstallerIsCopiedFromTheCd) {
  InstallFS2000();
  SimVersion = 2000;
  Session.TrainingChosen = true;
  Uninstaller();
  EXPECT_EQ(TempPrefix::readFile(prefix.driveC() / "FS2000" / "NORVANE" / "UNINSTALL.EXE"),
            "MZ uninstaller");
  EXPECT_TRUE(messages.empty());
}

TEST_F(RunStep, UninstallerIsNotCopiedAgainWhenEitherSimulatorHasIt) {
  InstallFS2000();
  InstallFS98();
  TempPrefix::writeFile(prefix.driveC() / "FS98" / "NORVANE" / "uninstall.exe", "old");
  SimVersion = 2000;
  Session.TrainingChosen = true;
  Uninstaller();
  EXPECT_FALSE(fs::exists(prefix.driveC() / "FS2000" / "NORVANE"));

  TempPrefix::writeFile(prefix.driveC() / "FS2000" / "NORVANE" / "UNINSTALL.EXE", "older");
  fs::remove_all(prefix.driveC() / "FS98" / "NORVANE");
  SimVersion = 98;
  Uninstaller();
  EXPECT_FALSE(fs::exists(prefix.driveC() / "FS98" / "NORVANE"));
  EXPECT_EQ(TempPrefix::readFile(prefix.driveC() / "FS2000" / "NORVANE" / "UNINSTALL.EXE"),
            "older");
}

TEST_F(RunStep, UninstallerNeedsAChoiceOrAnInstalledScenery) {
  InstallFS98();
  SimVersion = 98;
  const fs::path copy = prefix.driveC() / "FS98" / "NORVANE" / "UNINSTALL.EXE";
  Uninstaller();  // nothing chosen, nothing installed
  EXPECT_FALSE(fs::exists(copy));
  Session.SceneryChosen = true;  // the scenery alone gets the uninstall link, so the uninstaller
  Uninstaller();
  EXPECT_TRUE(fs::exists(copy));

  fs::remove(copy);
  Session.SceneryChosen = false;
  InstallState.SC2K = true;
  Uninstaller();
  EXPECT_TRUE(fs::exists(copy));

  fs::remove(copy);
  InstallState.SC2K = false;
  Session.AircraftChosen[3] = true;
  Uninstaller();
  EXPECT_TRUE(fs::exists(copy));
  EXPECT_TRUE(messages.empty());
}

TEST_F(RunStep, UninstallerNeedsTheSimulatorFolder) {
  FS2000Path = QStringLiteral("C:\\FS2000\\");
  SimVersion = 2000;
  Session.TrainingChosen = true;
  Uninstaller("Abbruch");
  EXPECT_EQ(
      MessageTexts(),
      std::vector<QString>{QStringLiteral("Kann das FS2000 Verzeichnis nicht finden, breche ab!")});
  EXPECT_FALSE(fs::exists(prefix.driveC() / "FS2000"));
}

TEST_F(RunStep, UninstallerFolderThatCannotBeMadeIsTold) {
  InstallFS2000();
  SimVersion = 2000;
  Session.TrainingChosen = true;
  TempPrefix::writeFile(prefix.driveC() / "FS2000" / "NORVANE", "a file");
  Uninstaller("OK");
  ASSERT_EQ(MessageTexts(), std::vector<QString>{kUninstallerError});
  EXPECT_TRUE(messages[0].red);
  EXPECT_EQ(messages[0].okCaption, QStringLiteral("OK"));
  EXPECT_FALSE(messages[0].showAbort);
}

TEST_F(RunStep, AFailedCopyIsNotTold) {
  InstallFS2000();
  SimVersion = 2000;
  Session.TrainingChosen = true;
  fs::remove(cd_ / "UNINSTALL.EXE");
  Uninstaller();
  EXPECT_TRUE(messages.empty());
  EXPECT_TRUE(fs::is_directory(prefix.driveC() / "FS2000" / "NORVANE"));
  EXPECT_FALSE(fs::exists(prefix.driveC() / "FS2000" / "NORVANE" / "UNINSTALL.EXE"));
}
