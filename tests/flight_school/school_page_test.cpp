// The flight school page itself: both layouts, the code field's looks and focus, the memo,
// starting the simulator with each of its messages, the installation from the page and how
// Return, Exit and the logo behave while an installation runs.
#include <gtest/gtest.h>

#include <QApplication>

#include "controls/image.h"
#include "controls/jet_button.h"
#include "controls/panel.h"
#include "controls/radio_group.h"
#include "school_fixture.h"
#include "shell/install_state.h"
#include "shell/lesson_table.h"
#include "shell/message_form.h"

namespace {

TEST_F(FlightSchoolTest, SmallAndLargeLayoutsPlaceThePagesOwnControls) {
  struct Expected {
    int width;
    QRect lesson, install, startFS, code;
  };
  const Expected cases[] = {
      {650, {185, 186, 228, 177}, {72, 168, 100, 50}, {424, 328, 100, 50}, {48, 280, 65, 25}},
      {651, {230, 232, 286, 223}, {115, 210, 100, 50}, {530, 440, 100, 50}, {54, 354, 93, 25}},
  };
  for (const Expected& e : cases) {
    SCOPED_TRACE(e.width);
    WithSchool(
        [&](TSyllabusDLG& page) {
          EXPECT_EQ(page.LessonPanel->geometry(), e.lesson);
          EXPECT_EQ(page.MissionMemo->geometry(), page.LessonPanel->clientArea());
          EXPECT_EQ(page.InstallBtn->geometry(), e.install);
          EXPECT_EQ(page.StartFSBtn->geometry(), e.startFS);
          EXPECT_EQ(page.CodeEdit->geometry(), e.code);
        },
        e.width);
  }
}

TEST_F(FlightSchoolTest, TheCodeFieldHasTheFocusAndTheMemoGivesItBack) {
  WithSchool([](TSyllabusDLG& page) {
    EXPECT_EQ(page.focusWidget(), page.CodeEdit);
    EXPECT_TRUE(page.CodeEdit->font().bold());
    EXPECT_TRUE(page.CodeEdit->font().italic());
    EXPECT_TRUE(page.MissionMemo->isReadOnly());
    EXPECT_EQ(page.InstallBtn->toolTip(), "Weitere Komponenten installieren...");
    EXPECT_EQ(page.StartFSBtn->toolTip(), "Flight Simulator starten...");
    page.StartFSBtn->setFocus();
    ASSERT_NE(page.focusWidget(), page.CodeEdit);
    ClickControl(page.MissionMemo->viewport());
    EXPECT_EQ(page.focusWidget(), page.CodeEdit);
  });
}

TEST_F(FlightSchoolTest, TheMemoShowsEachSegmentFollowedByASpacerLine) {
  WithSchool([](TSyllabusDLG& page) {
    page.ShowLesson(5);
    const QStringList lines = page.MissionMemo->toPlainText().split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines[0], "Flugstunde 06");
    EXPECT_EQ(lines[1], " ");
    EXPECT_EQ(lines[2], "Platzrunden");
    EXPECT_EQ(lines[3], " ");
    EXPECT_EQ(lines.last(), QString::fromUtf8(lessons::kLessons[5].briefing).section('\r', -1));
    EXPECT_FALSE(lines.last().contains(CodeOf(5)));
    // Indexes outside the syllabus leave the memo as it is.
    page.ShowLesson(19);
    page.ShowLesson(-1);
    EXPECT_EQ(page.MissionMemo->toPlainText().split(QLatin1Char('\n')), lines);
  });
}

TEST_F(FlightSchoolTest, StartingTheSimulatorHandsItsProgramToTheShellAndEndsTheProgram) {
  InstallFS2000();
  hooks::queueMessageAnswer(QStringLiteral("Weiter"));
  WithSchool([](TSyllabusDLG& page) {
    ClickControl(page.StartFSBtn);
    EXPECT_FALSE(page.isVisible());
  });
  EXPECT_TRUE(QuitAll);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "Die QTP wird beendet und Flight Simulator wird gestartet, weiter?");
  EXPECT_EQ(messages[0].okCaption, "Weiter");
  EXPECT_EQ(messages[0].abortCaption, "Abbruch");
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].target, "C:\\FS2000\\FS2000.EXE");
  EXPECT_EQ(opened[0].verb, "Open");
  EXPECT_EQ(opened[0].params, "C:\\FS2000\\");
  EXPECT_EQ(opened[0].dir, "");
}

TEST_F(FlightSchoolTest, TheChosenFlightSimulator98StartsWithItsOwnFolder) {
  InstallFS2000();
  InstallFS98();
  WhenFormShown(QStringLiteral("TFSVersionDLG"), [](QWidget* choice) {
    RadioGroup(choice, "FSSel")->setItemIndex(0);
    ClickControl(Control(choice, "OKBtn"));
  });
  hooks::queueMessageAnswer(QStringLiteral("Weiter"));
  WithSchool([](TSyllabusDLG& page) { ClickControl(page.StartFSBtn); });
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].target, "C:\\FS98\\FLTSIM98.EXE");
  EXPECT_EQ(opened[0].params, "C:\\FS98\\");
}

TEST_F(FlightSchoolTest, DecliningTheStartKeepsThePageAndStartsNothing) {
  InstallFS2000();
  hooks::queueMessageAnswer(QStringLiteral("Abbruch"));
  WithSchool([](TSyllabusDLG& page) {
    ClickControl(page.StartFSBtn);
    EXPECT_TRUE(page.isVisible());
  });
  EXPECT_FALSE(QuitAll);
  EXPECT_TRUE(opened.empty());
}

TEST_F(FlightSchoolTest, EveryReasonNotToStartTheSimulatorIsReported) {
  struct Case {
    const char* what;
    std::function<void()> arrange;
    std::vector<QString> answers;
    QString reported;
  };
  const QString none = QStringLiteral("Keine unterstützte Flugsimulatorversion gefunden!");
  const Case cases[] = {
      {"no simulator", [] {}, {"Abbrucht", "OK"}, none},
      {"FS2000.EXE gone",
       [] { FS2000Path = QStringLiteral("C:\\GONE\\"); },
       {"OK"},
       QStringLiteral("\"FS2000.EXE\" fehlt, kann das Programm nicht starten!")},
      {"FLTSIM98.EXE gone",
       [] { FS98Path = QStringLiteral("C:\\GONE98\\"); },
       {"OK"},
       QStringLiteral("\"FLTSIM98.EXE\" fehlt, kann das Programm nicht starten!")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    messages.clear();
    FS2000Path.clear();
    FS98Path.clear();
    c.arrange();
    for (const QString& answer : c.answers) hooks::queueMessageAnswer(answer);
    WithSchool([](TSyllabusDLG& page) {
      ClickControl(page.StartFSBtn);
      EXPECT_TRUE(page.isVisible());
    });
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back().text, c.reported);
    EXPECT_TRUE(messages.back().red);
    EXPECT_FALSE(messages.back().showAbort);
    EXPECT_TRUE(opened.empty());
    EXPECT_FALSE(QuitAll);
  }
}

TEST_F(FlightSchoolTest, CancellingTheChoiceOfTwoSimulatorsReportsNoSupportedVersion) {
  InstallFS2000();
  InstallFS98();
  WhenFormShown(QStringLiteral("TFSVersionDLG"),
                [](QWidget* choice) { ClickControl(Control(choice, "AbortBtn")); });
  hooks::queueMessageAnswer(QStringLiteral("OK"));
  WithSchool([](TSyllabusDLG& page) { ClickControl(page.StartFSBtn); });
  EXPECT_EQ(
      MessageTexts(),
      std::vector<QString>{QStringLiteral("Keine unterstützte Flugsimulatorversion gefunden!")});
  EXPECT_TRUE(opened.empty());
}

TEST_F(FlightSchoolTest, WhileInstallingTheSimulatorAndTheWebStayClosed) {
  InstallFS2000();
  hooks::queueMessageAnswer(QStringLiteral("OK"));
  hooks::queueMessageAnswer(QStringLiteral("OK"));
  WithSchool([](TSyllabusDLG& page) {
    InstallRunning = true;
    ClickControl(page.StartFSBtn);
    ClickControl(page.NVImage);
    EXPECT_TRUE(page.isVisible());
  });
  EXPECT_EQ(
      MessageTexts(),
      (std::vector<QString>{
          QStringLiteral(
              "Während der Installation kann der Flight Simulator nicht gestartet werden!"),
          QStringLiteral("Während der Installation kann keine Verbindung aufgebaut werden!")}));
  for (const hooks::MessageRecord& m : messages) EXPECT_FALSE(m.red);
  EXPECT_TRUE(opened.empty());
}

TEST_F(FlightSchoolTest, ReturnAndExitDuringAnInstallationAskBeforeAbortingIt) {
  struct Case {
    TJetButton* TSyllabusDLG::*button;
    QString question;
    bool endsProgram;
  };
  const Case cases[] = {
      {&TSyllabusDLG::ReturnBtn, QStringLiteral("Möchten Sie die Installation wirklich abbrechen?"),
       false},
      {&TSyllabusDLG::ExitBtn,
       QStringLiteral(
           "Die Installation ist noch nicht abgeschlossen! Jetzt abbrechen und QTP beenden?"),
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.question.toStdString());
    messages.clear();
    InstallRunning = false;
    InstallAbort = false;
    QuitAll = false;
    hooks::queueMessageAnswer(QStringLiteral("Nein"));
    hooks::queueMessageAnswer(QStringLiteral("Ja"));
    WithSchool([&](TSyllabusDLG& page) {
      InstallRunning = true;
      ClickControl(page.*c.button);
      EXPECT_TRUE(page.isVisible());
      EXPECT_FALSE(InstallAbort);
      EXPECT_FALSE(QuitAll);
      ClickControl(page.*c.button);
      EXPECT_FALSE(page.isVisible());
    });
    EXPECT_TRUE(InstallAbort);
    EXPECT_EQ(QuitAll, c.endsProgram);
    EXPECT_EQ(MessageTexts(), std::vector<QString>(2, c.question));
    for (const hooks::MessageRecord& m : messages) EXPECT_FALSE(m.red);
  }
}

TEST_F(FlightSchoolTest, ExitWithoutAnInstallationAsksTheUsualQuestion) {
  hooks::queueMessageAnswer(QStringLiteral("OK"));
  WithSchool([](TSyllabusDLG& page) { ClickControl(page.ExitBtn); });
  EXPECT_TRUE(QuitAll);
  EXPECT_FALSE(InstallAbort);
  EXPECT_EQ(MessageTexts(), std::vector<QString>{QStringLiteral("QTP wird beendet!")});
}

TEST_F(FlightSchoolTest, AnInstallationAskedForByTheMenuStartsWithTheVersionChoice) {
  InstallFS2000();
  InstallFS98();
  InstallRunning = true;
  bool choiceFirst = false;
  WhenFormShown(QStringLiteral("TFSVersionDLG"), [&](QWidget* choice) {
    choiceFirst = messages.empty();
    ClickControl(Control(choice, "AbortBtn"));
  });
  bool usable = false;
  WithSchool([&](TSyllabusDLG& page) {
    // The choice comes up by itself as soon as the page is up, before any message.
    Settle();
    EXPECT_TRUE(choiceFirst);
    page.CodeEdit->setText(CodeOf(0));
    usable = InstallState.Lesson[0];
  });
  EXPECT_TRUE(choiceFirst);
  EXPECT_FALSE(InstallRunning);
  EXPECT_TRUE(usable);
}

TEST_F(FlightSchoolTest, TheInstallButtonIsIgnoredWhileTheRunWindowIsOnScreen) {
  InstallFS2000();
  QWidget runWindow;
  runWindow.setObjectName(QStringLiteral("TSetup2DLG"));
  runWindow.show();
  SimVersion = 0;
  WithSchool([](TSyllabusDLG& page) {
    InstallRunning = true;
    EXPECT_EQ(DialogsShownDuring([&] { ClickControl(page.InstallBtn); }), QStringList());
    EXPECT_TRUE(InstallRunning);
  });
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(SimVersion, 0);
}

TEST_F(FlightSchoolTest, CancellingTheOptionsLeavesNoInstallationRunning) {
  InstallFS2000();
  WhenFormShown(QStringLiteral("TSetup1DLG"),
                [](QWidget* options) { ClickControl(Control(options, "AbortBtn")); });
  hooks::queueMessageAnswer(QStringLiteral("Ja"));
  WithSchool([](TSyllabusDLG& page) {
    ClickControl(page.InstallBtn);
    EXPECT_TRUE(page.isVisible());
  });
  EXPECT_FALSE(InstallRunning);
  EXPECT_EQ(SimVersion, 2000);
}

}  // namespace
