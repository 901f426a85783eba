// Which archives each component brings, in which order and where they go.
#include <gtest/gtest.h>

#include "installer/archive_table.h"

namespace {

std::vector<QString> Names(const std::vector<PlannedArchive>& plan) {
  std::vector<QString> names;
  for (const PlannedArchive& archive : plan) names.push_back(archive.archive);
  return names;
}

InstallSession Aircraft(std::initializer_list<int> numbers) {
  InstallSession session;
  for (const int n : numbers) session.AircraftChosen[n - 1] = true;
  return session;
}

TEST(ArchiveTable, TheSecondAircraftAloneForFs98) {
  const auto plan = PlanArchives(InstallGroup::Aircraft, Aircraft({2}), 98);
  EXPECT_EQ(Names(plan), (std::vector<QString>{"FS98\\SOUND.RAR", "FS98\\Aircraft2.rar",
                                               "FS98\\GAUGES2.rar", "FS98\\AIRCRAFTSND1.RAR"}));
  EXPECT_EQ(plan[0].status, "Installiere SOUND...");
  EXPECT_EQ(plan[1].status, "Installiere Flugzeuge...");
  EXPECT_TRUE(plan[2].status.isEmpty());
  EXPECT_TRUE(plan[3].status.isEmpty());
  for (const PlannedArchive& archive : plan)
    EXPECT_EQ(archive.destination, ArchiveDestination::SimulatorFolder);
}

TEST(ArchiveTable, EveryAircraftGoesInTurnAndBothSoundSetsFollow) {
  const auto plan = PlanArchives(InstallGroup::Aircraft, Aircraft({4, 1, 3}), 2000);
  EXPECT_EQ(Names(plan),
            (std::vector<QString>{
                "FS2000\\SOUND.RAR", "FS2000\\Aircraft1.rar", "FS2000\\GAUGES1.rar",
                "FS2000\\Aircraft3.rar", "FS2000\\GAUGES3.rar", "FS2000\\Aircraft4.rar",
                "FS2000\\GAUGES4.rar", "FS2000\\AIRCRAFTSND1.RAR", "FS2000\\AIRCRAFTSND2.RAR"}));
  EXPECT_EQ(Names(PlanArchives(InstallGroup::Aircraft, Aircraft({4}), 2000)).back(),
            "FS2000\\AIRCRAFTSND2.RAR");
}

TEST(ArchiveTable, TrainingAndSceneryForFs2000) {
  InstallSession session;
  session.TrainingChosen = true;
  session.SceneryChosen = true;
  session.SceneryRes = "1";
  const auto training = PlanArchives(InstallGroup::Training, session, 2000);
  EXPECT_EQ(Names(training),
            (std::vector<QString>{"QTP.RAR", "FS2000\\ADV.RAR", "ADV.RAR", "FS2000\\PILOTS.RAR"}));
  EXPECT_EQ(training[0].destination, ArchiveDestination::TargetFolder);
  EXPECT_EQ(training[1].destination, ArchiveDestination::SimulatorFolder);
  EXPECT_EQ(training[3].status, "Installiere Situationen");
  const auto scenery = PlanArchives(InstallGroup::Scenery, session, 2000);
  EXPECT_EQ(Names(scenery), std::vector<QString>{"FS2000\\NORVANE1.RAR"});
  EXPECT_EQ(scenery[0].status, "Installiere Szenerie...");
  EXPECT_EQ(Names(PlanArchives(InstallGroup::Scenery, session, 98)),
            std::vector<QString>{"FS98\\NORVANE.RAR"});
  EXPECT_TRUE(PlanArchives(InstallGroup::Aircraft, session, 2000).empty());
}

TEST(ArchiveTable, NothingChosenOrNoSimulatorPlansNothing) {
  InstallSession everything = Aircraft({1, 2, 3, 4});
  everything.TrainingChosen = everything.SceneryChosen = true;
  for (const InstallGroup group :
       {InstallGroup::Training, InstallGroup::Scenery, InstallGroup::Aircraft}) {
    EXPECT_TRUE(PlanArchives(group, InstallSession{}, 2000).empty());
    EXPECT_TRUE(PlanArchives(group, everything, 0).empty());
    EXPECT_TRUE(PlanArchives(group, everything, -1).empty());
    EXPECT_FALSE(PlanArchives(group, everything, 98).empty());
  }
  EXPECT_EQ(SimulatorCdFolder(97), "");
}

}  // namespace
