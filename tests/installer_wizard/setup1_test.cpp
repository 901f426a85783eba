// The options dialog: what it offers for the chosen simulator, and the checks and records of
// "Weiter" (the target folder, the free space on the simulator's drive, the resolution).
#include <QCheckBox>
#include <QLineEdit>
#include <algorithm>
#include <filesystem>

#include "controls/radio_group.h"
#include "installer/setup1_dlg.h"
#include "shell/install_state.h"
#include "wizard_fixture.h"

namespace {

namespace fs = std::filesystem;

class Setup1Test : public WizardTest {
 protected:
  void SetUp() override {
    WizardTest::SetUp();
    InstallFS2000();
    SimVersion = 2000;
    driveD = prefix.addDrive('D');
  }

  // Shows the options with `act` run on the dialog once it is up.
  bool Options(const std::function<void(QWidget*)>& act) {
    WhenFormShown("TSetup1DLG", act);
    return ShowInstallOptions();
  }

  // Presses "Weiter" with `folder` typed in, answering the refusal (a message unless `plainly`),
  // expecting the dialog to stay open; then gives up.
  void ContinueRefused(const QString& folder, bool* stayed, bool plainly = false) {
    EXPECT_FALSE(Options([&](QWidget* dialog) {
      TypeInto(dialog, "PathEdit", folder);
      if (plainly)
        hooks::queuePlainAnswer();
      else
        hooks::queueMessageAnswer("Abbruch");
      ClickControl(Control(dialog, "ContinueBtn"));
      *stayed = dialog->isVisible();
      hooks::queueMessageAnswer("Ja");
      ClickControl(Control(dialog, "AbortBtn"));
    }));
  }

  fs::path driveD;
};

QString PathText(QWidget* dialog) {
  return qobject_cast<QLineEdit*>(Control(dialog, "PathEdit"))->text();
}

TEST_F(Setup1Test, TheTargetIsTheSimulatorFolderUnlessOneWasRecorded) {
  QString offered;
  const auto look = [&](QWidget* dialog) {
    offered = PathText(dialog);
    hooks::queueMessageAnswer("Ja");
    ClickControl(Control(dialog, "AbortBtn"));
  };
  Options(look);
  EXPECT_EQ(offered, "C:\\FS2000\\NORVANE\\QTP\\");
  // The recorded folder wins even though the training component is not installed.
  InstallState.InstallDir = "E:\\Elsewhere\\QTP\\";
  Options(look);
  EXPECT_EQ(offered, "E:\\Elsewhere\\QTP\\");
}

TEST_F(Setup1Test, EverythingIsOfferedWhenNothingIsInstalled) {
  Options([](QWidget* dialog) {
    EXPECT_EQ(dialog->size(), QSize(473, 306));
    for (const char* name : {"QTPCheck", "AircraftCheck", "SceneryCheck", "DesktopIcon"})
      EXPECT_TRUE(CheckBox(dialog, name)->isChecked()) << name;
    EXPECT_EQ(CheckBox(dialog, "QTPCheck")->text(), "Merovair Flugschlule");
    EXPECT_EQ(RadioGroup(dialog, "SceneryRes")->itemIndex(), 0);
    EXPECT_TRUE(RadioGroup(dialog, "SceneryRes")->isEnabled());
    hooks::queueMessageAnswer("Ja");
    ClickControl(Control(dialog, "AbortBtn"));
  });
  EXPECT_TRUE(messages.size() == 1 && messages[0].text == "Die Installation wirklich abbrechen?");
}

TEST_F(Setup1Test, InstalledComponentsOfTheChosenSimulatorAreUntickedAndMarked) {
  InstallState.QTP2K = true;
  InstallState.SC2K = true;
  std::fill(std::begin(InstallState.AC2K), std::end(InstallState.AC2K), true);
  InstallState.QTP98 = false;
  Options([](QWidget* dialog) {
    const struct {
      const char* name;
      const char* caption;
    } marked[] = {{"QTPCheck", "Flugschule (bereits installiert!)"},
                  {"SceneryCheck", "Szenerie (bereits installiert!)"},
                  {"AircraftCheck", "Flugzeuge (bereits installiert!)"}};
    for (const auto& mark : marked) {
      EXPECT_FALSE(CheckBox(dialog, mark.name)->isChecked()) << mark.name;
      EXPECT_EQ(CheckBox(dialog, mark.name)->text(), mark.caption);
    }
    hooks::queueMessageAnswer("Ja");
    ClickControl(Control(dialog, "AbortBtn"));
  });
  // Unticking at show is no user's doing: no notice.
  EXPECT_EQ(MessageTexts(), std::vector<QString>{"Die Installation wirklich abbrechen?"});
}

TEST_F(Setup1Test, ThreeAircraftOfFourDoNotCountAsInstalled) {
  std::fill(std::begin(InstallState.AC2K), std::begin(InstallState.AC2K) + 3, true);
  InstallState.AC98[3] = true;  // the other simulator's flag does not help
  Options([](QWidget* dialog) {
    EXPECT_TRUE(CheckBox(dialog, "AircraftCheck")->isChecked());
    EXPECT_EQ(CheckBox(dialog, "AircraftCheck")->text(), "Flugzeuge");
    hooks::queueMessageAnswer("Ja");
    ClickControl(Control(dialog, "AbortBtn"));
  });
}

TEST_F(Setup1Test, Simulator98GreysTheResolutionAndShowsTheStoredOne) {
  InstallFS98();
  SimVersion = 98;
  InstallState.SC98 = true;
  InstallState.SCRes = "2";
  Options([](QWidget* dialog) {
    TRadioGroup* resolution = RadioGroup(dialog, "SceneryRes");
    EXPECT_FALSE(resolution->isEnabled());
    EXPECT_EQ(resolution->palette().color(QPalette::Disabled, QPalette::WindowText),
              QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(resolution->itemIndex(), 2);
    EXPECT_EQ(CheckBox(dialog, "SceneryCheck")->text(), "Szenerie (bereits installiert!)");
    hooks::queueMessageAnswer("Ja");
    ClickControl(Control(dialog, "AbortBtn"));
  });
}

TEST_F(Setup1Test, UntickingTheTrainingShowsANoticeAndTheBoxStaysUnticked) {
  bool unticked = false;
  Options([&](QWidget* dialog) {
    hooks::queueMessageAnswer("OK");
    CheckBox(dialog, "QTPCheck")->click();
    unticked = !CheckBox(dialog, "QTPCheck")->isChecked();
    hooks::queueMessageAnswer("Ja");
    ClickControl(Control(dialog, "AbortBtn"));
  });
  EXPECT_TRUE(unticked);
  ASSERT_FALSE(messages.empty());
  EXPECT_EQ(
      messages[0].text,
      "Beachten Sie bitte, daß alle Komponenten installiert sein müssen, um die QTP zu nutzen ");
  EXPECT_FALSE(messages[0].red);
  EXPECT_EQ(messages[0].okCaption, "OK");
  EXPECT_FALSE(messages[0].showAbort);
}

TEST_F(Setup1Test, AbortAsksFirstAndOnlyJaGivesUp) {
  bool stayed = false;
  EXPECT_FALSE(Options([&](QWidget* dialog) {
    hooks::queueMessageAnswer("Nein");
    ClickControl(Control(dialog, "AbortBtn"));
    stayed = dialog->isVisible();
    hooks::queueMessageAnswer("Ja");
    ClickControl(Control(dialog, "AbortBtn"));
  }));
  EXPECT_TRUE(stayed);
  EXPECT_TRUE(InstallAbort);
  EXPECT_EQ(messages.size(), 2u);
}

TEST_F(Setup1Test, ClosingTheDialogWithoutAButtonGivesUp) {
  EXPECT_FALSE(Options([](QWidget* dialog) { dialog->close(); }));
  EXPECT_TRUE(InstallAbort);
}

TEST_F(Setup1Test, ContinueCreatesTheFolderWithItsParentsAndRecordsIt) {
  EXPECT_TRUE(Options([](QWidget* dialog) {
    TypeInto(dialog, "PathEdit", "D:\\Fly\\Deep");
    RadioGroup(dialog, "SceneryRes")->setItemIndex(2);
    CheckBox(dialog, "DesktopIcon")->setChecked(false);
    ClickControl(Control(dialog, "ContinueBtn"));
  }));
  EXPECT_TRUE(fs::is_directory(driveD / "Fly" / "Deep"));
  EXPECT_EQ(Session.TargetFolder, "D:\\Fly\\Deep\\");
  EXPECT_EQ(InstallState.InstallDir, "D:\\Fly\\Deep\\");
  EXPECT_EQ(Stored("InstallDir"), "D:\\Fly\\Deep\\");
  EXPECT_TRUE(Session.TrainingChosen && Session.SceneryChosen);
  EXPECT_TRUE(std::all_of(std::begin(Session.AircraftChosen), std::end(Session.AircraftChosen),
                          [](bool on) { return on; }));
  EXPECT_FALSE(Session.DesktopIcon);
  EXPECT_EQ(Session.SceneryRes, "2");
  EXPECT_EQ(Stored("SCRes"), "2");
  EXPECT_EQ(InstallState.SCRes, "2");
  EXPECT_FALSE(InstallAbort);
  EXPECT_TRUE(messages.empty());
}

TEST_F(Setup1Test, AFolderAlreadyEndingInABackslashIsTakenAsItIs) {
  fs::create_directories(driveD / "Fly");
  EXPECT_TRUE(Options([](QWidget* dialog) {
    TypeInto(dialog, "PathEdit", "D:\\Fly\\");
    ClickControl(Control(dialog, "ContinueBtn"));
  }));
  EXPECT_EQ(Stored("InstallDir"), "D:\\Fly\\");
}

TEST_F(Setup1Test, AFolderGivenWithoutDriveIsMadeFullFromTheCurrentFolder) {
  fs::create_directories(driveD / "Work");
  prefix.enter(driveD / "Work");
  EXPECT_TRUE(Options([](QWidget* dialog) {
    TypeInto(dialog, "PathEdit", "Fly");
    ClickControl(Control(dialog, "ContinueBtn"));
  }));
  EXPECT_EQ(Stored("InstallDir"), "D:\\Work\\Fly\\");
  EXPECT_TRUE(fs::is_directory(driveD / "Work" / "Fly"));
}

TEST_F(Setup1Test, WithoutTheTrainingAnyFolderTextIsAcceptedAndNothingIsStored) {
  EXPECT_TRUE(Options([](QWidget* dialog) {
    TypeInto(dialog, "PathEdit", "R:\\no|such<drive>");
    hooks::queueMessageAnswer("OK");
    CheckBox(dialog, "QTPCheck")->click();
    CheckBox(dialog, "SceneryCheck")->setChecked(false);
    ClickControl(Control(dialog, "ContinueBtn"));
  }));
  EXPECT_EQ(Stored("InstallDir"), std::nullopt);
  EXPECT_TRUE(InstallState.InstallDir.isEmpty());
  EXPECT_FALSE(Session.TrainingChosen);
  // The resolution is kept in the session but not stored without the scenery.
  EXPECT_EQ(Stored("SCRes"), std::nullopt);
}

TEST_F(Setup1Test, AnEmptyFolderIsRefusedWithTheFolderError) {
  bool stayed = false;
  ContinueRefused("  ", &stayed, true);
  EXPECT_TRUE(stayed);
  EXPECT_EQ(plain, std::vector<QString>{"Das Verzeichnis kann nicht erstellt werden"});
  EXPECT_EQ(Stored("InstallDir"), std::nullopt);
}

TEST_F(Setup1Test, AFolderThatCannotBeMadeKeepsTheDialogOpen) {
  for (const QString& folder : {QStringLiteral("R:\\Unmapped"), QStringLiteral("D:\\Fl?y"),
                                QStringLiteral("\\\\server\\share")}) {
    messages.clear();
    bool stayed = false;
    ContinueRefused(folder, &stayed);
    EXPECT_TRUE(stayed) << folder.toStdString();
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages[0].text, "Zielverzeichnis konnte nicht angelegt werden!");
    EXPECT_TRUE(messages[0].red);
    EXPECT_EQ(messages[0].abortCaption, "Abbruch");
  }
  EXPECT_EQ(Stored("InstallDir"), std::nullopt);
}

TEST_F(Setup1Test, SpaceIsMeasuredOnTheSimulatorsDriveNotTheTargetsDrive) {
  // The target drive is fine; the simulator lies on a drive whose space cannot be told.
  FS2000Path = "R:\\FS2000\\";
  bool stayed = false;
  ContinueRefused("D:\\Fly", &stayed);
  EXPECT_TRUE(stayed);
  ASSERT_FALSE(messages.empty());
  EXPECT_EQ(messages[0].text, "Festspeicher auf dem FS-Laufwerk reicht nicht aus!");
  EXPECT_EQ(Stored("SCRes"), std::nullopt);
  // The other way round: a target on a drive that cannot be measured does not matter.
  InstallFS2000();
  InstallAbort = false;  // as every way into the wizard starts
  messages.clear();
  EXPECT_TRUE(Options([](QWidget* dialog) {
    TypeInto(dialog, "PathEdit", "R:\\Anywhere");
    hooks::queueMessageAnswer("OK");
    CheckBox(dialog, "QTPCheck")->click();
    ClickControl(Control(dialog, "ContinueBtn"));
  }));
}

}  // namespace
