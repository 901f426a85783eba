// The CD's and the demo's programs, run as a user's shell would: the demo simulators start the
// panel host on an installed aircraft, QTP.EXE starts the installed shell on its prefix, and
// UNINSTALL.EXE starts the uninstaller on the simulator folder it is installed into.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "cd_fixture.h"
#include "demo_prefix.h"

namespace {

namespace fs = std::filesystem;

class CdPrograms : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    std::string why;
    ASSERT_TRUE(demo::makeDemoPrefix(prefix(), &why)) << why;
    fs::create_directories(home());
  }
  fs::path root() const { return folder_.path().toStdString(); }
  fs::path prefix() const { return root() / "prefix"; }
  fs::path home() const { return root() / "home"; }
  fs::path fs2000() const { return prefix() / "drive_c/Program Files/Microsoft Games/FS2000"; }
  fs::path fs98() const { return prefix() / "drive_c/Program Files/Microsoft Games/FS98"; }

  void install(const std::string& archive, const fs::path& target) const {
    const auto result = cdtest::extract(demo::cdFolder(prefix()), archive, target);
    ASSERT_TRUE(result.result) << archive;
  }

  // A panel host script that runs a few updates and exits.
  fs::path hostScript() const {
    const fs::path script = root() / "host.txt";
    std::ofstream(script) << "update 3\n";
    return script;
  }

 private:
  QTemporaryDir folder_;
};

TEST_F(CdPrograms, EachDemoSimulatorStartsThePanelHostOnItsInstalledAircraft) {
  struct Case {
    fs::path folder;
    const char* program;
    const char* v;
  };
  for (const Case& simulator :
       {Case{fs2000(), "FS2000.EXE", "FS2000\\"}, Case{fs98(), "FLTSIM98.EXE", "FS98\\"}}) {
    install(std::string(simulator.v) + "Aircraft3.rar", simulator.folder);
    install(std::string(simulator.v) + "GAUGES3.rar", simulator.folder);
    QProcessEnvironment environment = cdtest::quietEnvironment(home());
    environment.insert("QTP_PANELHOST", PANELHOST_EXE);
    environment.insert("QTP_PANELHOST_SCRIPT", QString::fromStdString(hostScript().string()));
    const auto run = cdtest::runProgram(simulator.folder / simulator.program, {}, environment);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("Aircraft/Norvane F33A MFT/panel/panel.cfg"))
        << run.out.toStdString();
    EXPECT_FALSE(run.err.contains("warning")) << run.err.toStdString();
  }
}

TEST_F(CdPrograms, ADemoSimulatorWithoutAnAircraftSaysSo) {
  const auto run =
      cdtest::runProgram(fs2000() / "FS2000.EXE", {}, cdtest::quietEnvironment(home()));
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.err.contains("kein Norvane-Flugzeug installiert")) << run.err.toStdString();
}

TEST_F(CdPrograms, ADemoSimulatorFindsTheBuildsPanelHostByItself) {
  install("FS98\\Aircraft1.rar", fs98());
  install("FS98\\GAUGES1.rar", fs98());
  QProcessEnvironment environment = cdtest::quietEnvironment(home());
  environment.insert("QTP_PANELHOST_SCRIPT", QString::fromStdString(hostScript().string()));
  const auto run = cdtest::runProgram(fs98() / "FLTSIM98.EXE", {}, environment);
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
}

TEST_F(CdPrograms, ADemoSimulatorNamesAMissingPanelHost) {
  install("FS2000\\Aircraft1.rar", fs2000());
  QProcessEnvironment environment = cdtest::quietEnvironment(home());
  environment.insert("QTP_PANELHOST", QString::fromStdString((root() / "nowhere").string()));
  const auto run = cdtest::runProgram(fs2000() / "FS2000.EXE", {}, environment);
  EXPECT_NE(run.exitCode, 0);
  EXPECT_TRUE(run.err.contains("QTP_PANELHOST")) << run.err.toStdString();
}

TEST_F(CdPrograms, TheInstalledShellStartsOnThePrefixItWasInstalledInto) {
  const fs::path target = prefix() / "drive_c" / "QTP";
  install("QTP.RAR", target);
  // A stand-in shell that records how it was started.
  const fs::path record = root() / "started.txt";
  const fs::path shell = root() / "fake qtp";
  std::ofstream(shell) << "#!/bin/sh\n{ pwd; for a in \"$@\"; do echo \"$a\"; done; } > '"
                       << record.string() << "'\n";
  fs::permissions(shell, fs::perms::owner_all);
  QProcessEnvironment environment = cdtest::quietEnvironment(home());
  environment.insert("QTP_PROGRAM", QString::fromStdString(shell.string()));
  const auto run = cdtest::runProgram(
      "/bin/sh", {QString::fromStdString((target / "QTP.EXE").string()), "--screen-width", "800"},
      environment, root());
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(cdtest::readFile(record), fs::canonical(target).string() + "\n--prefix\n" +
                                          fs::canonical(prefix()).string() +
                                          "\n--screen-width\n800\n");
}

TEST_F(CdPrograms, TheUninstallerStartsTheProgramOnTheFolderItIsInstalledInto) {
  // A stand-in uninstaller that records how it was started.
  const fs::path record = root() / "started.txt";
  const fs::path program = root() / "fake uninstall";
  std::ofstream(program) << "#!/bin/sh\n{ for a in \"$@\"; do echo \"$a\"; done; } > '"
                         << record.string() << "'\n";
  fs::permissions(program, fs::perms::owner_all);
  fs::create_directories(fs98() / "Norvane");
  fs::copy_file(demo::cdFolder(prefix()) / "UNINSTALL.EXE", fs98() / "Norvane" / "UNINSTALL.EXE");
  const std::string sim = fs::canonical(fs98()).string();
  struct Case {
    fs::path launcher;
    QStringList arguments;
    std::string started;
  };
  const Case cases[] = {
      {fs98() / "Norvane" / "UNINSTALL.EXE",
       {"--yes"},
       "--prefix\n" + fs::canonical(prefix()).string() + "\n--yes\n" + sim + "\n"},
      // The other simulator's folder, given last, takes the place of its own.
      {fs98() / "Norvane" / "UNINSTALL.EXE",
       {"--yes", QString::fromStdString(fs2000().string())},
       "--prefix\n" + fs::canonical(prefix()).string() + "\n--yes\n" + fs2000().string() + "\n"},
      {demo::cdFolder(prefix()) / "UNINSTALL.EXE", {"--dry-run", "/x"}, "--dry-run\n/x\n"},
  };
  for (const Case& c : cases) {
    QProcessEnvironment environment = cdtest::quietEnvironment(home());
    environment.insert("QTP_UNINSTALL_PROGRAM", QString::fromStdString(program.string()));
    const auto run = cdtest::runProgram(c.launcher, c.arguments, environment, root());
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(cdtest::readFile(record), c.started) << c.launcher;
  }
  QProcessEnvironment environment = cdtest::quietEnvironment(home());
  environment.insert("PATH", "/usr/bin:/bin");
  const auto missing = cdtest::runProgram(fs98() / "Norvane" / "UNINSTALL.EXE", {}, environment);
  EXPECT_EQ(missing.exitCode, 127);
  EXPECT_TRUE(missing.err.contains("QTP_UNINSTALL_PROGRAM")) << missing.err.toStdString();
}

}  // namespace
