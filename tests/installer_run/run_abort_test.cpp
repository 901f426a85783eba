// The flight school page that started the run aborts it with Return or Exit at moments chosen at
// random (repeatably, by seed): the run stops at its next step, the window outlives the sequence,
// and the registry holds exactly the components whose archives all came in.
#include <QTimer>
#include <random>

#include "controls/jet_button.h"
#include "installer/archive_table.h"
#include "installer/install_run.h"
#include "pages/syllabus_dlg.h"
#include "platform/paths.h"
#include "run_fixture.h"
#include "shell/install_state.h"
#include "tests/shell/shell_test_support.h"

namespace fs = std::filesystem;

namespace {

const QString kAbortQuestion = QStringLiteral("Möchten Sie die Installation wirklich abbrechen?");
const QString kAbortAndQuitQuestion = QStringLiteral(
    "Die Installation ist noch nicht abgeschlossen! Jetzt abbrechen und QTP beenden?");

// Far more pumps than the run below needs, so that some rounds end before the click.
constexpr int kLatestClick = 240;

struct Group {
  InstallGroup group;
  const char* flag;
  bool* recorded;
};

class AbortTest : public RunTest, public testing::WithParamInterface<unsigned> {
 protected:
  void SetUp() override {
    RunTest::SetUp();
    SimVersion = 2000;
    Session.TrainingChosen = true;
    for (bool& chosen : Session.AircraftChosen) chosen = true;
    Session.TargetFolder = FS2000Path + "NORVANE\\QTP\\";
    fs::create_directories(platform::toHost(Session.TargetFolder.toStdString()));
    planned_ = Session;
    answers[kAbortQuestion] = "Ja";
    answers[kAbortAndQuitQuestion] = "Ja";
    // A click that comes after the run has ended meets the plain exit question.
    answers[QStringLiteral("QTP wird beendet!")] = "Abbruch";
  }

  // Whether every member of every archive of the group is where the run puts it.
  bool ArrivedWhole(InstallGroup group) const {
    for (const PlannedArchive& archive : PlanArchives(group, planned_, 2000)) {
      const fs::path destination = platform::toHost(
          (archive.destination == ArchiveDestination::TargetFolder ? planned_.TargetFolder
                                                                   : FS2000Path)
              .toStdString());
      std::string cdPath = archive.archive.toStdString();
      std::replace(cdPath.begin(), cdPath.end(), '\\', '/');
      for (const std::string& member : ArchiveMembers(SampleCd() / cdPath))
        if (!fs::exists(destination / member)) return false;
    }
    return true;
  }

  InstallSession planned_;
};

TEST_P(AbortTest, APageAbortsTheRunAtARandomMoment) {
  std::mt19937 random(GetParam());
  const int clickAt = std::uniform_int_distribution<int>(1, kLatestClick)(random);
  const bool exitButton = GetParam() % 2 == 1;

  TSyllabusDLG page(nullptr);
  bool started = false;
  bool clicked = false;
  int pumps = 0;
  std::size_t archivesAtClick = 0;
  std::int32_t membersAtClick = 0;
  onPump = [&] {
    if (!started) return;
    if (!Setup2DLG) {
      if (page.isVisible()) page.close();
      return;
    }
    if (!Setup2DLG->running() || clicked || ++pumps < clickAt) return;
    clicked = true;
    // A click of its own, so that this timer is free to answer the question it brings up.
    QTimer::singleShot(0, &page, [&] {
      archivesAtClick = archives.size();
      membersAtClick = Session.ExtractedFiles;
      ClickControl(exitButton ? page.ExitBtn : page.ReturnBtn);
    });
  };
  QTimer::singleShot(0, &page, [&] {
    InstallRunning = true;
    StartInstallRun(&page);
    Setup2DLG->Timer1->start(0);
    started = true;
  });
  page.exec();
  while (Setup2DLG) {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  EXPECT_FALSE(InstallRunning);

  const bool aborted = clicked && InstallAbort;
  if (aborted) {
    // The run went no further than the member or archive it was at.
    EXPECT_LE(archives.size(), archivesAtClick + 1);
    EXPECT_LE(Session.ExtractedFiles, membersAtClick + 1);
    EXPECT_EQ(std::count_if(messages.begin(), messages.end(),
                            [](const hooks::MessageRecord& m) { return m.red; }),
              0);
  } else {
    EXPECT_EQ(StoredBool("QTP2K"), true);
    EXPECT_EQ(StoredBool("AC2K4"), true);
  }
  EXPECT_EQ(QuitAll, aborted && exitButton);

  const Group groups[] = {{InstallGroup::Training, "QTP2K", &InstallState.QTP2K},
                          {InstallGroup::Aircraft, "AC2K1", &InstallState.AC2K[0]}};
  bool earlierRecorded = true;
  for (const Group& group : groups) {
    const bool recorded = StoredBool(group.flag) == true;
    EXPECT_EQ(*group.recorded, recorded) << group.flag;
    if (recorded) {
      EXPECT_TRUE(earlierRecorded) << group.flag;
      EXPECT_TRUE(ArrivedWhole(group.group)) << group.flag;
    }
    earlierRecorded = recorded;
  }
  EXPECT_EQ(Session.TrainingChosen, !InstallState.QTP2K);
  for (int n = 0; n < 4; ++n) {
    EXPECT_EQ(StoredBool(("AC2K" + std::to_string(n + 1)).c_str()), InstallState.AC2K[n]);
    EXPECT_EQ(InstallState.AC2K[n], InstallState.AC2K[0]);  // the aircraft go in together
    EXPECT_EQ(Session.AircraftChosen[n], !InstallState.AC2K[n]);
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, AbortTest, testing::Range(1u, 11u));

}  // namespace
