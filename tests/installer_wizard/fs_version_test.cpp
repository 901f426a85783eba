// The simulator choice: asked only when both simulators are there; what each way out answers;
// the report when none is there.
#include <QDialog>

#include "controls/radio_group.h"
#include "installer/fs_version_dlg.h"
#include "shell/install_state.h"
#include "wizard_fixture.h"

namespace {

class FSVersionTest : public WizardTest {
 protected:
  // Runs `choose` with both simulators found, acting on the dialog with `act`.
  int ChooseWithDialog(int (*choose)(), const std::function<void(QWidget*)>& act) {
    InstallFS2000();
    InstallFS98();
    WhenFormShown("TFSVersionDLG", act);
    return choose();
  }
};

TEST_F(FSVersionTest, NoSimulatorIsReportedWithTheCaptionOfEachChoice) {
  hooks::queueMessageAnswer("Abbruch");
  hooks::queueMessageAnswer("Abbrucht");
  ExpectNoDialog([] {
    EXPECT_EQ(ChooseFSVersion(), -1);
    EXPECT_EQ(ChooseFSToStart(), -1);
  });
  ASSERT_EQ(messages.size(), 2u);
  for (const hooks::MessageRecord& record : messages) {
    EXPECT_EQ(record.text, "Es wurde keine unterstützte Flugsimulatorversion gefunden, breche ab!");
    EXPECT_TRUE(record.red);
    EXPECT_FALSE(record.showOK);
  }
  EXPECT_EQ(messages[0].abortCaption, "Abbruch");
  EXPECT_EQ(messages[1].abortCaption, "Abbrucht");
}

TEST_F(FSVersionTest, ASingleSimulatorIsTakenWithoutAsking) {
  InstallFS98();
  ExpectNoDialog([] {
    EXPECT_EQ(ChooseFSVersion(), 98);
    EXPECT_EQ(ChooseFSToStart(), 98);
  });
  FS98Path.clear();
  InstallFS2000();
  ExpectNoDialog([] { EXPECT_EQ(ChooseFSVersion(), 2000); });
  EXPECT_TRUE(messages.empty());
}

TEST_F(FSVersionTest, BothSimulatorsAskAndOKAtOnceGives2000) {
  QStringList items;
  const int version = ChooseWithDialog(ChooseFSVersion, [&](QWidget* dialog) {
    EXPECT_EQ(dialog->size(), QSize(392, 245));
    EXPECT_EQ(dialog->windowTitle(), "FSVersionDLG");
    EXPECT_EQ(RadioGroup(dialog, "FSSel")->title(), " Flugsimulator-Version");
    items = RadioGroup(dialog, "FSSel")->items();
    ClickControl(Control(dialog, "OKBtn"));
  });
  EXPECT_EQ(version, 2000);
  EXPECT_EQ(items, QStringList({"Installation für Flight Simulator 98",
                                "Installation für Flight Simulator 2000"}));
}

TEST_F(FSVersionTest, TheFirstItemGives98) {
  EXPECT_EQ(ChooseWithDialog(ChooseFSVersion,
                             [](QWidget* dialog) {
                               RadioGroup(dialog, "FSSel")->setItemIndex(0);
                               ClickControl(Control(dialog, "OKBtn"));
                             }),
            98);
}

TEST_F(FSVersionTest, AbortGivesMinusOneAndClosingWithoutAButtonGivesZero) {
  EXPECT_EQ(ChooseWithDialog(ChooseFSVersion,
                             [](QWidget* dialog) { ClickControl(Control(dialog, "AbortBtn")); }),
            -1);
  EXPECT_EQ(ChooseWithDialog(ChooseFSVersion, [](QWidget* dialog) { dialog->close(); }), 0);
  EXPECT_TRUE(messages.empty());
}

TEST_F(FSVersionTest, TheStartChoiceNamesTheSimulatorsToStart) {
  QStringList items;
  const int version = ChooseWithDialog(ChooseFSToStart, [&](QWidget* dialog) {
    items = RadioGroup(dialog, "FSSel")->items();
    RadioGroup(dialog, "FSSel")->setItemIndex(0);
    ClickControl(Control(dialog, "OKBtn"));
  });
  EXPECT_EQ(items, QStringList({"Flight Simulator 98 starten", "Flight Simulator 2000 starten"}));
  EXPECT_EQ(version, 98);
}

}  // namespace
