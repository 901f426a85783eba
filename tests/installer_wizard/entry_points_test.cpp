// The three ways into an installation: what each asks, what it chooses, when it refuses, and
// what it leaves behind when nothing starts.
#include <QDialog>

#include "controls/radio_group.h"
#include "installer/setup1_dlg.h"
#include "shell/install_state.h"
#include "wizard_fixture.h"

namespace {

const QString kSceneryQuestion =
    QStringLiteral("Klicken Sie auf \"Weiter\", um die Szenerieinstallation zu starten...");

bool AnyAircraftChosen() {
  return std::any_of(std::begin(Session.AircraftChosen), std::end(Session.AircraftChosen),
                     [](bool on) { return on; });
}

class EntryTest : public WizardTest {
 protected:
  void SetUp() override {
    WizardTest::SetUp();
    Session.TrainingChosen = true;
    Session.SceneryChosen = true;
    Session.AircraftChosen[0] = true;
  }
};

TEST_F(EntryTest, TheAircraftEntryChoosesThatAircraftAlone) {
  InstallFS2000();
  ExpectNoDialog([] { EXPECT_TRUE(WizardFromAircraftPage(3)); });
  EXPECT_TRUE(InstallRunning);
  EXPECT_EQ(SimVersion, 2000);
  EXPECT_FALSE(Session.TrainingChosen || Session.SceneryChosen);
  EXPECT_TRUE(Session.AircraftChosen[2]);
  EXPECT_FALSE(Session.AircraftChosen[0] || Session.AircraftChosen[1] || Session.AircraftChosen[3]);
}

TEST_F(EntryTest, TheAircraftEntryWithoutRoomClearsTheChoices) {
  FS98Path = "R:\\FS98\\";  // a drive whose space cannot be told
  hooks::queueMessageAnswer("Abbruch");
  EXPECT_FALSE(WizardFromAircraftPage(1));
  EXPECT_FALSE(InstallRunning);
  EXPECT_FALSE(AnyAircraftChosen() || Session.TrainingChosen || Session.SceneryChosen);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "Die freie Festplattenkapazität reicht nicht aus!");
  EXPECT_TRUE(messages[0].red);
  EXPECT_EQ(messages[0].abortCaption, "Abbruch");
}

TEST_F(EntryTest, TheAircraftEntryRefusesWhileRunningAndWithoutASimulator) {
  InstallFS2000();
  InstallRunning = true;
  EXPECT_FALSE(WizardFromAircraftPage(1));
  EXPECT_TRUE(messages.empty());
  InstallRunning = false;
  EXPECT_FALSE(WizardFromAircraftPage(5));
  EXPECT_FALSE(WizardFromAircraftPage(0));
  FS2000Path.clear();
  hooks::queueMessageAnswer("Abbruch");
  EXPECT_FALSE(WizardFromAircraftPage(2));
  EXPECT_FALSE(InstallRunning);
  EXPECT_EQ(SimVersion, -1);
  // Nothing was chosen or cleared before the simulator was known.
  EXPECT_TRUE(Session.TrainingChosen && Session.AircraftChosen[0]);
  EXPECT_EQ(messages.size(), 1u);
}

TEST_F(EntryTest, TheSceneryEntryStopsAtItsQuestion) {
  InstallFS2000();
  hooks::queueMessageAnswer("Abbruch");
  ExpectNoDialog([] { EXPECT_FALSE(WizardFromSceneryPage()); });
  EXPECT_EQ(MessageTexts(), std::vector<QString>{kSceneryQuestion});
  EXPECT_FALSE(messages[0].red);
  EXPECT_EQ(messages[0].okCaption, "Weiter");
  EXPECT_FALSE(InstallRunning);
  EXPECT_TRUE(Session.TrainingChosen);
}

TEST_F(EntryTest, TheSceneryEntryAsksTheResolutionFor2000) {
  InstallFS2000();
  InstallAbort = true;
  hooks::queueMessageAnswer("Weiter");
  QStringList items;
  WhenFormShown("TSceneryResDLG", [&](QWidget* dialog) {
    EXPECT_EQ(dialog->size(), QSize(312, 187));
    items = RadioGroup(dialog, "SceneryRes")->items();
    RadioGroup(dialog, "SceneryRes")->setItemIndex(1);
    ClickControl(Control(dialog, "ContinueBtn"));
  });
  EXPECT_TRUE(WizardFromSceneryPage());
  EXPECT_EQ(items, QStringList({"Geringe Auflösung (empfohlen)", "Mittlere Auflösung (ab 600 Mhz.)",
                                "Hohe Auflösung "}));
  EXPECT_EQ(Session.SceneryRes, "1");
  EXPECT_TRUE(InstallRunning);
  EXPECT_FALSE(InstallAbort);
  EXPECT_TRUE(Session.SceneryChosen);
  EXPECT_FALSE(Session.TrainingChosen || AnyAircraftChosen());
}

TEST_F(EntryTest, GivingUpTheResolutionGivesUpTheInstallation) {
  InstallFS2000();
  for (const bool byButton : {true, false}) {
    hooks::queueMessageAnswer("Weiter");
    WhenFormShown("TSceneryResDLG", [byButton](QWidget* dialog) {
      if (byButton)
        ClickControl(Control(dialog, "AbortBtn"));
      else
        dialog->close();
    });
    EXPECT_FALSE(WizardFromSceneryPage());
    EXPECT_FALSE(InstallRunning);
    EXPECT_TRUE(InstallAbort);
  }
}

TEST_F(EntryTest, TheSceneryEntryFor98HasNoResolutionChoice) {
  InstallFS98();
  Session.SceneryRes = "2";
  hooks::queueMessageAnswer("Weiter");
  ExpectNoDialog([] { EXPECT_TRUE(WizardFromSceneryPage()); });
  EXPECT_EQ(SimVersion, 98);
  EXPECT_EQ(Session.SceneryRes, "2");
  EXPECT_TRUE(InstallRunning);
}

TEST_F(EntryTest, TheSceneryEntryWithoutRoomStartsNothing) {
  FS2000Path = "R:\\FS2000\\";
  hooks::queueMessageAnswer("Weiter");
  hooks::queueMessageAnswer("Abbruch");
  EXPECT_FALSE(WizardFromSceneryPage());
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[1].text, "Der Festspeicher auf dem FS-Laufwerk reicht nicht aus!");
  EXPECT_TRUE(messages[1].red);
  EXPECT_FALSE(Session.SceneryChosen);
  EXPECT_FALSE(InstallRunning);
}

TEST_F(EntryTest, TheSceneryEntryRefusesWhileRunning) {
  InstallRunning = true;
  EXPECT_FALSE(WizardFromSceneryPage());
  EXPECT_TRUE(messages.empty());
}

TEST_F(EntryTest, TheFlightSchoolEntryRunsTheWholeWizard) {
  InstallFS2000();
  InstallFS98();
  InstallAbort = true;
  WhenFormShown("TFSVersionDLG", [](QWidget* dialog) {
    WhenFormShown("TSetup1DLG", [](QWidget* options) {
      TypeInto(options, "PathEdit", "C:\\Training");
      ClickControl(Control(options, "ContinueBtn"));
    });
    RadioGroup(dialog, "FSSel")->setItemIndex(0);
    ClickControl(Control(dialog, "OKBtn"));
  });
  EXPECT_TRUE(WizardFromFlightSchool());
  EXPECT_TRUE(InstallRunning);
  EXPECT_FALSE(InstallAbort);
  EXPECT_EQ(SimVersion, 98);
  EXPECT_EQ(Stored("InstallDir"), "C:\\Training\\");
}

TEST_F(EntryTest, TheFlightSchoolEntryEndsWithoutAVersionOrWhenAborted) {
  InstallRunning = true;  // as the main menu's installation question leaves it
  hooks::queueMessageAnswer("Abbruch");
  EXPECT_FALSE(WizardFromFlightSchool());
  EXPECT_FALSE(InstallRunning);
  InstallFS2000();
  WhenFormShown("TSetup1DLG", [](QWidget* options) {
    hooks::queueMessageAnswer("Ja");
    ClickControl(Control(options, "AbortBtn"));
  });
  EXPECT_FALSE(WizardFromFlightSchool());
  EXPECT_FALSE(InstallRunning);
  EXPECT_TRUE(InstallAbort);
}

TEST_F(EntryTest, TheFlightSchoolEntryIsIgnoredWhileTheRunWindowIsShown) {
  InstallFS2000();
  QDialog runWindow;
  runWindow.setObjectName("TSetup2DLG");
  runWindow.show();
  InstallRunning = true;
  ExpectNoDialog([] { EXPECT_FALSE(WizardFromFlightSchool()); });
  EXPECT_TRUE(InstallRunning);
  runWindow.hide();
  EXPECT_FALSE(InstallRunWindowShown());
}

}  // namespace
