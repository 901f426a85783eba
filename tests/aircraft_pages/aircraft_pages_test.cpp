// The aircraft, scenery and help pages in the test's own process, against a CD drive of a test
// prefix: stepping through the aircraft, the description file's sections, the CD prompt, the
// help page's folder and Exit while an installation runs.
#include <functional>

#include "controls/jet_button.h"
#include "pages/help_dlg.h"
#include "pages/planes_dlg.h"
#include "pages/scenery_dlg.h"
#include "platform/screen.h"
#include "shell/install_state.h"
#include "tests/installer_wizard/wizard_fixture.h"

namespace {

using testsupport::TempPrefix;

class AircraftPagesTest : public WizardTest {
 protected:
  void SetUp() override {
    WizardTest::SetUp();
    platform::setScreenWidthOverride(640);
    cd = prefix.addDrive('D', testsupport::DriveKind::CdRomDevice);
    for (const PlaneEntry& entry : kPlanes)
      TempPrefix::writeFile(cd / "UIRES/PLANES/PREV" / (std::string(entry.cockpit) + ".JPG"), "");
    TempPrefix::writeFile(
        cd / "UIRES/PLANES/PLANES.TXT",
        "[SIM 1]\nEins\n[sim 2]\nZwei\n[SIM 3] \nkein Kopf\n[SIM 4]\nVier\nEnde\n");
    InstallState.CDDrive = QStringLiteral("D:\\");
    hooks::setFileReadObserver([this](const QString&, const QString&) { ++reads; });
  }
  void TearDown() override {
    platform::setScreenWidthOverride(0);
    WizardTest::TearDown();
  }

  // Shows the page modally, runs `action` once it is up and closes it unless the action did.
  template <class Page>
  void WithPage(const std::function<void(Page&)>& action) {
    Page page(nullptr);
    WhenFormShown(page.objectName(), [&](QWidget*) {
      action(page);
      if (page.isVisible()) page.close();
    });
    page.exec();
  }

  // Exit while an installation runs, answered with `answer`: the page and the program end, or
  // nothing happens.
  template <class Page>
  void ExitWhileInstalling(const char* answer, bool ends) {
    InstallAbort = QuitAll = false;
    hooks::queueMessageAnswer(QString::fromLatin1(answer));
    bool open = true;
    WithPage<Page>([&](Page& page) {
      InstallRunning = true;
      ClickControl(page.ExitBtn);
      open = page.isVisible();
    });
    EXPECT_EQ(open, !ends);
    EXPECT_EQ(InstallAbort, ends);
    EXPECT_EQ(QuitAll, ends);
  }

  std::filesystem::path cd;
  int reads = 0;
};

QString Memo(const TPlanesDLG& page) {
  return page.InfoMemo->toPlainText();
}

TEST_F(AircraftPagesTest, StepsWrapBothWaysAndTheDescriptionsAreReadOncePerOpening) {
  struct Case {
    const char* steps;  // N next, P previous
    int plane;
    const char* memo;
  };
  const Case cases[] = {
      {"P", 4, "Vier\nEnde"},
      {"NNNN", 1, "Eins"},
      {"NNNNPPN", 4, "Vier\nEnde"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.steps);
    reads = 0;
    WithPage<TPlanesDLG>([&](TPlanesDLG& page) {
      EXPECT_EQ(Memo(page), QString::fromUtf8(kFirstPlaneDescription));
      for (const char* s = c.steps; *s; ++s) ClickControl(*s == 'N' ? page.NextBtn : page.PrevBtn);
      EXPECT_EQ(page.plane(), c.plane);
      EXPECT_EQ(page.TitlePanel->caption(), QString::fromUtf8(kPlanes[c.plane - 1].title));
      EXPECT_EQ(Memo(page), QString::fromUtf8(c.memo));
    });
    EXPECT_EQ(reads, 1);
  }
}

TEST_F(AircraftPagesTest, HeadersCountInAnyCaseButNotWithATrailingBlank) {
  WithPage<TPlanesDLG>([](TPlanesDLG& page) {
    ClickControl(page.NextBtn);
    // Up to the header of 3, which never comes: the rest of the file.
    EXPECT_EQ(Memo(page), "Zwei\n[SIM 3] \nkein Kopf\n[SIM 4]\nVier\nEnde");
    ClickControl(page.NextBtn);
    EXPECT_EQ(page.TitlePanel->caption(), "Beechcraft F33A Bonanza, MFT");
    EXPECT_EQ(Memo(page), "") << "no section 3";
  });
}

TEST_F(AircraftPagesTest, WithoutTheCDTheCancelledPromptLeavesTheAircraftOnShow) {
  std::filesystem::remove(cd / "UIRES/PLANES/PREV/PA28COC_pp00_goodyear.JPG");
  for (TJetButton* TPlanesDLG::*button : {&TPlanesDLG::NextBtn, &TPlanesDLG::PrevBtn}) {
    int prompts = 0;
    WithPage<TPlanesDLG>([&](TPlanesDLG& page) {
      WhenFormShown(QStringLiteral("TSRCDRVDLG"), [&](QWidget* prompt) {
        ++prompts;
        ClickControl(Control(prompt, "AbortBtn"));
      });
      ClickControl(page.*button);
      EXPECT_EQ(page.plane(), 1);
      EXPECT_EQ(page.TitlePanel->caption(), "Piper PA28-181, MFT");
      EXPECT_EQ(Memo(page), QString::fromUtf8(kFirstPlaneDescription));
    });
    EXPECT_EQ(prompts, 1);
  }
  EXPECT_EQ(reads, 0);
}

TEST_F(AircraftPagesTest, TheHelpShowsTheChosenSimulatorsFolderAfterASpace) {
  struct Case {
    int version;
    QString fs98, fs2000, shown;
  };
  const Case cases[] = {
      {98, "C:\\FS98\\", "C:\\FS2000\\", " C:\\FS98\\"},
      {2000, "C:\\FS98\\", "", " "},
      {0, "C:\\FS98\\", "C:\\FS2000\\", ""},
  };
  for (const Case& c : cases) {
    SimVersion = c.version;
    FS98Path = c.fs98;
    FS2000Path = c.fs2000;
    THelpDLG help(nullptr);
    EXPECT_EQ(help.PathPanel->caption(), c.shown) << c.version;
    EXPECT_EQ(help.InfoMemo->toPlainText(), QString::fromUtf8(kHelpParagraphs[0]) + "\n\n" +
                                                QString::fromUtf8(kHelpParagraphs[1]));
  }
}

TEST_F(AircraftPagesTest, HelpAsksForTheSimulatorAndAnExitThereClosesThePageToo) {
  InstallFS98();
  QString shown;
  WithPage<TSceneryDLG>([&](TSceneryDLG& page) {
    WhenFormShown(QStringLiteral("THelpDLG"), [&](QWidget* help) {
      shown = static_cast<THelpDLG*>(help)->PathPanel->caption();
      hooks::queueMessageAnswer(QStringLiteral("OK"));
      ClickControl(Control(help, "ExitBtn"));
    });
    ClickControl(page.HelpBtn);
    EXPECT_FALSE(page.isVisible());
  });
  EXPECT_EQ(SimVersion, 98);
  EXPECT_EQ(shown, " C:\\FS98\\");
  EXPECT_TRUE(QuitAll);
}

TEST_F(AircraftPagesTest, ExitWhileInstallingAsksAboutTheInstallation) {
  for (const auto& [answer, ends] : {std::pair{"Nein", false}, std::pair{"Ja", true}}) {
    SCOPED_TRACE(answer);
    ExitWhileInstalling<TPlanesDLG>(answer, ends);
    ExitWhileInstalling<TSceneryDLG>(answer, ends);
  }
  ASSERT_EQ(messages.size(), 4u);
  for (const hooks::MessageRecord& m : messages) {
    EXPECT_EQ(m.text,
              "Die Installation ist noch nicht abgeschlossen! Jetzt abbrechen und QTP beenden?");
    EXPECT_EQ(m.okCaption + "/" + m.abortCaption, "Ja/Nein");
    EXPECT_FALSE(m.red);
  }
}

}  // namespace
