// The main menu: its two layouts, hover labels, one hot-region frame at a time, the logo, the
// flight-school completeness rule, links and the FAQ, and how Exit and QuitAll end it.
#include <gtest/gtest.h>

#include <QEnterEvent>

#include "controls/image.h"
#include "controls/jet_button.h"
#include "controls/label.h"
#include "controls/outline_frame.h"
#include "pages/credits_dlg.h"
#include "pages/main_dlg.h"
#include "platform/screen.h"
#include "platform/shell_open.h"
#include "shell/automation_hooks.h"
#include "shell/hint_timing.h"
#include "shell/install_state.h"
#include "shell/page_frame.h"
#include "shell_test_support.h"
#include "tests/support/temp_prefix.h"

namespace {

class MainMenuTest : public testing::Test {
 protected:
  void SetUp() override {
    hooks::clearAll();
    ResetProgramState();
    hooks::setMessageObserver([this](const hooks::MessageRecord& r) { messages.push_back(r); });
    platform::setShellOpenRecorder(
        [this](const platform::ShellOpenRequest& r) { opened.push_back(r); });
  }
  void TearDown() override {
    hooks::clearAll();
    platform::setShellOpenRecorder(nullptr);
    platform::setScreenWidthOverride(0);
    ResetProgramState();
  }

  // Shows the menu as the program does; the state load has run when this returns.
  TMainDLG& ShowMenu(int screenWidth = 640) {
    platform::setScreenWidthOverride(screenWidth);
    menu = std::make_unique<TMainDLG>();
    menu->show();
    Settle();
    return *menu;
  }

  testsupport::TempPrefix prefix;
  std::unique_ptr<TMainDLG> menu;
  std::vector<hooks::MessageRecord> messages;
  std::vector<platform::ShellOpenRequest> opened;
};

void Enter(QWidget* w) {
  QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)));
  QApplication::sendEvent(w, &enter);
}

void Leave(QWidget* w) {
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(w, &leave);
}

std::vector<QString> VisibleFrames(TMainDLG& m) {
  std::vector<QString> names;
  for (auto* frame : m.findChildren<TOutlineFrame*>())
    if (frame->isVisible()) names.push_back(frame->objectName());
  return names;
}

TEST_F(MainMenuTest, AScreenOf650KeepsTheSmallLayout) {
  TMainDLG& m = ShowMenu(650);
  EXPECT_EQ(m.size(), QSize(600, 450));
  EXPECT_EQ(m.FlugSchuleBtn->geometry(), QRect(56, 168, 144, 41));
  EXPECT_EQ(m.FAQBtn->geometry(), QRect(512, 8, 80, 80));
  EXPECT_EQ(m.AOPA->geometry(), QRect(336, 136, 257, 50));
  EXPECT_EQ(m.IAOPA->geometry(), QRect(336, 136, 257, 49));
  EXPECT_EQ(m.NVImage->geometry(), QRect(402, 406, 193, 39));
  EXPECT_EQ(m.FlugschuleLabel->pos(), QPoint(240, 168));
  EXPECT_EQ(m.MainImage->picture().size(), QSize(600, 450));
}

TEST_F(MainMenuTest, AScreenOf651GetsTheLargeLayout) {
  TMainDLG& m = ShowMenu(651);
  EXPECT_EQ(m.size(), QSize(750, 563));
  EXPECT_EQ(m.FlugSchuleBtn->geometry(), QRect(92, 208, 144, 41));
  EXPECT_EQ(m.GalerieBtn->pos(), QPoint(16, 432));
  EXPECT_EQ(m.ExitBtn->pos(), QPoint(64, 512));
  // Flush with the right edge of the picture.
  EXPECT_EQ(m.FAQBtn->geometry().right(), m.MainImage->width() - 1);
  EXPECT_EQ(m.FAQBtn->y(), 8);
  EXPECT_EQ(m.Credits3->geometry(), QRect(205, 488, 268, 65));
  EXPECT_EQ(m.IC3->geometry(), QRect(205, 488, 268, 65));
  EXPECT_EQ(m.NVImage->geometry(), QRect(504, 512, 242, 47));
  EXPECT_EQ(m.GaleriaLabel->pos(), QPoint(232, 440));
  EXPECT_EQ(m.MainImage->picture().size(), QSize(750, 563));
}

TEST_F(MainMenuTest, ShowingPreparesHintsCursorsAndState) {
  InstallRunning = true;
  TMainDLG& m = ShowMenu();
  EXPECT_FALSE(InstallRunning);
  EXPECT_EQ(hints::HintPause(), 1);
  EXPECT_EQ(hints::HintHidePause(), 2500);
  for (TImage* region : {m.IC1, m.IAOPA, m.IC2, m.ISKY, m.IC3, m.NVImage})
    EXPECT_EQ(region->cursor().shape(), Qt::PointingHandCursor)
        << region->objectName().toStdString();
  EXPECT_EQ(m.IC1->toolTip(), "Zu den Sponsoren...");
  EXPECT_EQ(m.IC3->toolTip(), "Credits anzeigen...");
  EXPECT_EQ(m.ISKY->toolTip(), "Zur Sky Harbor Airports Homepage...");
  // The state load created the product key with its defaults.
  EXPECT_EQ(InstallState.SCRes, "1");
  EXPECT_TRUE(std::filesystem::exists(prefix.dir() / "qtp.reg"));
}

TEST_F(MainMenuTest, EachMenuButtonShowsItsLabelOnlyWhileThePointerIsOverIt) {
  TMainDLG& m = ShowMenu();
  const std::pair<TJetButton*, QWidget*> pairs[] = {{m.FlugSchuleBtn, m.FlugschuleLabel},
                                                    {m.FlugzeugeBtn, m.FlugzeugeLabel},
                                                    {m.SceneryBtn, m.SceneryLabel},
                                                    {m.GalerieBtn, m.GaleriaLabel}};
  for (const auto& [button, label] : pairs) {
    Enter(button);
    EXPECT_TRUE(label->isVisible()) << label->objectName().toStdString();
    Leave(button);
    EXPECT_FALSE(label->isVisible()) << label->objectName().toStdString();
  }
  Enter(m.FAQBtn);
  Enter(m.ExitBtn);
  for (const auto& [button, label] : pairs) EXPECT_FALSE(label->isVisible());
  EXPECT_EQ(m.FlugschuleLabel->property("caption").toString(), "Hier geht's zur Flugschule...");
}

TEST_F(MainMenuTest, OnlyTheFrameOfTheRegionUnderThePointerShows) {
  TMainDLG& m = ShowMenu();
  EXPECT_TRUE(VisibleFrames(m).empty());
  MoveOver(m.IC1, {5, 5});
  EXPECT_EQ(VisibleFrames(m), std::vector<QString>{"Credits1"});
  MoveOver(m.IAOPA, {5, 5});
  EXPECT_EQ(VisibleFrames(m), std::vector<QString>{"AOPA"});
  MoveOver(m.ISKY, {5, 5});
  EXPECT_EQ(VisibleFrames(m), std::vector<QString>{"SkyHarbor"});
  MoveOver(m.IC3, {5, 5});
  EXPECT_EQ(VisibleFrames(m), std::vector<QString>{"Credits3"});
  MoveOver(m.MainImage, {20, 20});
  EXPECT_TRUE(VisibleFrames(m).empty());
}

TEST_F(MainMenuTest, TheLogoShowsOnlyOverItsPlaceOnThePicture) {
  TMainDLG& m = ShowMenu();
  EXPECT_FALSE(m.NVImage->isVisible());
  MoveOver(m.MainImage, {595, 445});
  EXPECT_TRUE(m.NVImage->isVisible());
  MoveOver(m.MainImage, {596, 445});
  EXPECT_FALSE(m.NVImage->isVisible());
  MoveOver(m.MainImage, {402, 406});
  EXPECT_TRUE(m.NVImage->isVisible());
  MoveOver(m.MainImage, {402, 405});
  EXPECT_FALSE(m.NVImage->isVisible());
}

// Runs the flight-school button and reports InstallRunning as the flight school saw it.
std::optional<bool> OpenFlightSchool(TMainDLG& m) {
  std::optional<bool> runningInside;
  WhenFormShown("TSyllabusDLG", [&](QWidget* page) {
    runningInside = InstallRunning;
    page->close();
  });
  m.FlugschuleBtnClick();
  return runningInside;
}

void SetSimulatorFlags(bool fs2000, bool aircraft, bool scenery, bool training) {
  for (bool& f : fs2000 ? InstallState.AC2K : InstallState.AC98) f = aircraft;
  (fs2000 ? InstallState.SC2K : InstallState.SC98) = scenery;
  (fs2000 ? InstallState.QTP2K : InstallState.QTP98) = training;
}

TEST_F(MainMenuTest, TheFlightSchoolAsksToInstallUntilOneSimulatorIsComplete) {
  TMainDLG& m = ShowMenu();
  hooks::queueMessageAnswer("Ja");
  EXPECT_EQ(OpenFlightSchool(m), std::optional<bool>(true));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text,
            "Alle Komponenten müssen zuvor installiert sein, um die QTP zu nutzen! Installation "
            "jetzt starten?");
  EXPECT_EQ(messages[0].okCaption, "Ja");
  EXPECT_EQ(messages[0].abortCaption, "Nein");

  hooks::queueMessageAnswer("Nein");
  EXPECT_EQ(OpenFlightSchool(m), std::optional<bool>(false));

  // Aircraft for one simulator, scenery and training for the other: still incomplete.
  SetSimulatorFlags(false, true, false, false);
  SetSimulatorFlags(true, false, true, true);
  EXPECT_FALSE(ProductComplete());
  hooks::queueMessageAnswer("Nein");
  OpenFlightSchool(m);
  EXPECT_EQ(messages.size(), 3u);

  SetSimulatorFlags(true, true, true, false);
  EXPECT_FALSE(ProductComplete());
  SetSimulatorFlags(true, true, true, true);
  EXPECT_TRUE(ProductComplete());
  InstallRunning = true;
  EXPECT_EQ(OpenFlightSchool(m), std::optional<bool>(false));
  EXPECT_EQ(messages.size(), 3u);
  EXPECT_TRUE(m.isVisible());
}

TEST_F(MainMenuTest, AllSixFlagsOfFlightSimulator98CountAsComplete) {
  ShowMenu();
  SetSimulatorFlags(false, true, true, true);
  EXPECT_TRUE(ProductComplete());
  InstallState.AC98[2] = false;
  EXPECT_FALSE(ProductComplete());
}

TEST_F(MainMenuTest, ExitEndsTheMenuOnlyAfterOK) {
  TMainDLG& m = ShowMenu();
  hooks::queueMessageAnswer("Abbruch");
  ClickControl(m.ExitBtn);
  EXPECT_TRUE(m.isVisible());
  EXPECT_FALSE(QuitAll);
  hooks::queueMessageAnswer("OK");
  ClickControl(m.ExitBtn);
  EXPECT_FALSE(m.isVisible());
  EXPECT_TRUE(QuitAll);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[1].text, "QTP wird beendet!");
}

TEST_F(MainMenuTest, ExitTwoPagesDeepUnwindsEveryFormWithoutAnotherQuestion) {
  TMainDLG& m = ShowMenu();
  SetSimulatorFlags(true, true, true, true);
  bool schoolClosed = false;
  WhenFormShown("TSyllabusDLG", [&](QWidget* school) {
    WhenFormShown("TCreditsDLG", [](QWidget* credits) {
      hooks::queueMessageAnswer("OK");
      ClickControl(Control(credits, "ExitBtn"));
    });
    OpenModalPage<TCreditsDLG>(school);
    schoolClosed = !school->isVisible();
  });
  m.FlugschuleBtnClick();
  EXPECT_TRUE(QuitAll);
  EXPECT_TRUE(schoolClosed);
  EXPECT_FALSE(m.isVisible());
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_EQ(ActivePage<TCreditsDLG>(), nullptr);
}

TEST_F(MainMenuTest, ReturningFromAPageKeepsTheMenuOpen) {
  TMainDLG& m = ShowMenu();
  QuitAll = true;  // left over from nothing: opening a page starts afresh
  WhenFormShown("TGaleriaDLG", [](QWidget* page) { ClickControl(Control(page, "ReturnBtn")); });
  m.GalerieBtnClick();
  EXPECT_FALSE(QuitAll);
  EXPECT_TRUE(m.isVisible());
}

TEST_F(MainMenuTest, HotRegionsLeadToTheirPagesAndWebPages) {
  TMainDLG& m = ShowMenu();
  std::vector<QString> pages;
  const auto closeAndNote = [&pages](QWidget* page) {
    pages.push_back(page->objectName());
    page->close();
  };
  WhenFormShown("TSponsorsDLG", closeAndNote);
  ClickControl(m.IC1);
  WhenFormShown("TCreditsDLG", closeAndNote);
  ClickControl(m.IC2);
  WhenFormShown("TCreditsDLG", closeAndNote);
  ClickControl(m.IC3);
  EXPECT_EQ(pages, (std::vector<QString>{"TSponsorsDLG", "TCreditsDLG", "TCreditsDLG"}));

  ::setenv("QTP_URL_AOPA", "https://example.org/aopa", 1);
  ClickControl(m.IAOPA);
  ::unsetenv("QTP_URL_AOPA");
  ClickControl(m.ISKY);
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_EQ(opened[0].target, "https://example.org/aopa");
  EXPECT_FALSE(opened[1].target.empty());
  EXPECT_TRUE(opened[1].verb.empty());
}

TEST_F(MainMenuTest, TheFAQOpensFromTheRecordedCD) {
  const auto cd = prefix.addDrive('E', testsupport::DriveKind::CdRomDevice);
  testsupport::TempPrefix::writeFile(cd / "UIRES" / "QTP_FAQ.HTM", "<html>FAQ</html>");
  TMainDLG& m = ShowMenu();
  InstallState.CDDrive = "E:\\";
  ClickControl(m.FAQBtn);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].target, "QTP_FAQ.HTM");
  EXPECT_EQ(opened[0].verb, "Open");
  EXPECT_EQ(opened[0].params, "");
  EXPECT_EQ(opened[0].dir, "E:\\UIRES");
}

TEST_F(MainMenuTest, ACancelledCDPromptOpensNoFAQ) {
  TMainDLG& m = ShowMenu();
  WhenFormShown("TSRCDRVDLG", [](QWidget* prompt) { ClickControl(Control(prompt, "AbortBtn")); });
  ClickControl(m.FAQBtn);
  EXPECT_TRUE(opened.empty());
  EXPECT_TRUE(messages.empty());
}

}  // namespace
