// A run that stops or fails inside the aircraft, after the training completed: the simulator
// folder holds the training as its log says and, of the aircraft, nothing; a file the aircraft
// replaced has its old bytes again, and nothing of the journal or the archive library is left.
#include <sys/resource.h>

#include <csignal>
#include <fstream>
#include <map>
#include <vector>

#include "content/rar_writer/rar_writer.h"
#include "installer/record/run_journal.h"
#include "run_fixture.h"
#include "shell/install_state.h"

namespace fs = std::filesystem;
namespace ir = installrecord;

namespace {

enum class Fault { Stop, CorruptMember, FileWhereFolderBelongs, FullDisk };

struct Case {
  Fault fault;
  int member;  // of the aircraft, for a stop
};

// Every file below the folder with its identity; folders with none.
std::map<fs::path, std::optional<ir::FileIdentity>> Tree(const fs::path& folder) {
  std::map<fs::path, std::optional<ir::FileIdentity>> tree;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    tree[entry.path()] = entry.is_directory() ? std::nullopt : ir::identityOf(entry.path());
  return tree;
}

class RollbackTest : public RunTest, public testing::WithParamInterface<Case> {};

TEST_P(RollbackTest, OnlyCompletedComponentsRemain) {
  SimVersion = 2000;
  Session.TrainingChosen = true;
  Session.AircraftChosen[0] = true;
  Session.DesktopIcon = true;
  InstallRunning = true;
  const std::string replaced = ArchiveMembers(SampleCd() / "FS2000" / "SOUND.RAR").back();
  testsupport::TempPrefix::writeFile(Fs2000() / replaced, "installed before");
  if (GetParam().fault == Fault::CorruptMember) {
    rarwriter::RarWriter writer;
    writer.addFile("Gauges\\NOR_NV36.gau", std::string(2000, 'g'));
    writer.flipDataByte(0, 100);
    ReplaceCdFile("FS2000\\GAUGES1.rar", writer.build().front());
  }
  if (GetParam().fault == Fault::FileWhereFolderBelongs)
    testsupport::TempPrefix::writeFile(Fs2000() / "Aircraft" / "Norvane PA28 MFT", "a file");
  const auto before = Tree(Fs2000());

  std::optional<int> aircraftFrom;
  rlimit unlimited{};
  getrlimit(RLIMIT_FSIZE, &unlimited);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  onPump = [&] {
    if (aircraftFrom || archives.empty() || archives.back() != "FS2000\\SOUND.RAR") {
      if (aircraftFrom && Session.ExtractedFiles >= *aircraftFrom + GetParam().member &&
          GetParam().fault == Fault::Stop)
        InstallAbort = true;
      return;
    }
    aircraftFrom = Session.ExtractedFiles;
    rlimit small = unlimited;
    small.rlim_cur = 1024;
    if (GetParam().fault == Fault::FullDisk) setrlimit(RLIMIT_FSIZE, &small);
  };
  RunInstallation();
  setrlimit(RLIMIT_FSIZE, &unlimited);
  std::signal(SIGXFSZ, oldHandler);

  ASSERT_TRUE(aircraftFrom.has_value());
  EXPECT_EQ(StoredBool("QTP2K"), true);
  EXPECT_EQ(StoredBool("AC2K1"), false);
  const ir::LogRead log = ir::readLog(ir::logPath(Fs2000()));
  ASSERT_EQ(log.log.blocks.size(), 1u);
  EXPECT_TRUE(log.log.untrusted.empty());
  EXPECT_EQ(log.log.blocks[0].component, "QTP2K");
  // What is there now: what was there before, the training's logged records and the log.
  auto expected = before;
  for (const ir::Record& record : log.log.blocks[0].records)
    if (record.place == ir::Place::Simulator)
      expected[ir::hostPath(Fs2000(), {}, record)] =
          record.kind == ir::Kind::FolderCreated ? std::nullopt : std::optional(record.identity);
  expected[ir::logPath(Fs2000())] = ir::identityOf(ir::logPath(Fs2000()));
  const auto now = Tree(Fs2000());
  std::vector<fs::path> differing;
  for (const auto& [path, identity] : now)
    if (!expected.count(path) || expected.at(path) != identity) differing.push_back(path);
  for (const auto& entry : expected)
    if (!now.count(entry.first)) differing.push_back(entry.first);
  EXPECT_EQ(differing, std::vector<fs::path>{});
  EXPECT_EQ(testsupport::TempPrefix::readFile(Fs2000() / replaced), "installed before");
}

INSTANTIATE_TEST_SUITE_P(StoppedOrFailing, RollbackTest,
                         testing::Values(Case{Fault::Stop, 1}, Case{Fault::Stop, 40},
                                         Case{Fault::CorruptMember, 0},
                                         Case{Fault::FileWhereFolderBelongs, 0},
                                         Case{Fault::FullDisk, 0}));

}  // namespace
