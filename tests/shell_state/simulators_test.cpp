// The version lookup: 98 and 2000 are the two simulators, and every other number is no simulator
// to each part of the program that takes a version.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "installer/archive_table.h"
#include "shell/install_state.h"
#include "shell/simulators.h"

namespace {

TEST(Simulators, OnlyTheTwoVersionsNameASimulator) {
  ResetProgramState();
  FS2000Path = QStringLiteral("C:\\FS2000\\");
  FS98Path = QStringLiteral("C:\\FS98\\");
  EXPECT_EQ(SimulatorFolder(2000), FS2000Path);
  EXPECT_EQ(SimulatorFolder(98), FS98Path);

  InstallSession everything;
  everything.TrainingChosen = everything.SceneryChosen = true;
  std::fill(std::begin(everything.AircraftChosen), std::end(everything.AircraftChosen), true);
  Session = everything;
  for (const int version : {-1, 0, 97, 99, 1998, 2001}) {
    SCOPED_TRACE(version);
    SimVersion = version;
    EXPECT_EQ(simulatorFor(version), nullptr);
    EXPECT_TRUE(SimulatorFolder(version).isEmpty());
    EXPECT_EQ(RequiredDiskKB(version), 0);
    ExpectedFileCount();
    EXPECT_EQ(Session.ExpectedFiles, 0);
    EXPECT_TRUE(PlanArchives(InstallGroup::Scenery, everything, version).empty());
  }
  ResetProgramState();
}

}  // namespace
