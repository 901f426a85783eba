// Everything on the sample CD installed into both simulators, then each simulator's installed
// UNINSTALL.EXE: a dry run changes nothing, and --yes leaves the prefix as it was before the
// installation, file for file, except for a file the user changed in between, which stays and
// is named.
#include <QSettings>
#include <fstream>

#include "installer/install_run.h"
#include "platform/paths.h"
#include "shell/install_state.h"
#include "shell/simulators.h"
#include "tests/installer_run/run_fixture.h"
#include "tests/sample_cd/cd_fixture.h"
#include "tree_snapshot.h"

namespace fs = std::filesystem;

namespace {

// The prefix as a snapshot. The shell's own registry file (and its backup) also records the CD
// drive, the target folder and the scenery resolution, which stay as settings; the install flags
// in it are compared apart.
std::map<std::string, std::string> TreeHash(const fs::path& prefix) {
  auto tree = TreeSnapshot(prefix);
  tree.erase("qtp.reg");
  tree.erase("qtp.reg.bak");
  return tree;
}

// Runs an installed UNINSTALL.EXE as a script would: no terminal, no display.
int Uninstall(const fs::path& program, const fs::path& home, const QStringList& arguments,
              QString* out) {
  QProcessEnvironment environment = cdtest::quietEnvironment(home);
  environment.insert("QTP_UNINSTALL_PROGRAM", QTP_UNINSTALL_EXE);
  environment.insert("XDG_STATE_HOME", QString::fromStdString((home / "state").string()));
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) environment.remove(name);
  const cdtest::ScriptRun run = cdtest::runProgram(program, arguments, environment);
  *out = run.out + run.err;
  return run.exitCode;
}

TEST_F(RunTest, EverythingInstalledThenUninstalledLeavesThePrefixAsItWas) {
  // The target folders are made as the options dialog makes them, after the snapshot, and noted
  // for the run to record; the one the fixture made is taken back first.
  fs::remove_all(Fs2000() / "NORVANE");
  const auto before = TreeHash(prefix.dir());
  const auto flags = [this] {
    std::vector<std::optional<bool>> values;
    const bool all[4] = {true, true, true, true};
    for (const Simulator& simulator : Simulators())
      for (const QString& flag : ComponentNames(simulator, true, true, all))
        values.push_back(StoredBool(flag.toLatin1().constData()));
    return values;
  };
  const auto flagsBefore = flags();

  for (const Simulator& simulator : Simulators()) {
    SimVersion = simulator.version;
    Session.TargetFolder = simulator.folder() + QStringLiteral("NORVANE\\QTP\\");
    const fs::path target = platform::toHost(Session.TargetFolder.toStdString());
    fs::create_directories(target);
    installrun::noteTargetFoldersMade({target.parent_path().string(), target.string()});
    Session.TrainingChosen = Session.SceneryChosen = Session.DesktopIcon = true;
    std::fill(std::begin(Session.AircraftChosen), std::end(Session.AircraftChosen), true);
    InstallRunning = true;
    RunInstallation();
    ASSERT_EQ(MessageTexts().back(), "Installation wurde erfolgreich durchgeführt!");
  }
  ASSERT_NE(flags(), flagsBefore);
  const fs::path changed = Fs98() / "Aircraft" / "Norvane A36" / "aircraft.cfg";
  std::ofstream(changed, std::ios::app) << "; mine\n";

  const fs::path home = prefix.root() / "home";
  // The menu entry starts the uninstaller of the simulator installed into first, without a
  // terminal: with a display that is the window (Interaction.OnlyADisplayWithoutATerminal...).
  const fs::path link = home / "data" / "applications" / "Norvane" / "QTP" / "Uninstall.desktop";
  const QSettings entry(QString::fromStdString(link.string()), QSettings::IniFormat);
  EXPECT_EQ(entry.value("Desktop Entry/Terminal").toString(), "false");
  const fs::path program = entry.value("Desktop Entry/Exec").toString().toStdString();
  ASSERT_TRUE(fs::equivalent(program, Fs2000() / "NORVANE" / "UNINSTALL.EXE")) << program;
  // The one uninstaller removes the other simulator's installation given its folder.
  for (const QStringList& arguments :
       {QStringList{QString::fromStdString(Fs98().string())}, QStringList{}}) {
    const bool fs98 = !arguments.empty();
    QString out;
    const auto installed = TreeHash(prefix.dir());
    EXPECT_EQ(Uninstall(program, home, QStringList{"--dry-run"} + arguments, &out), fs98 ? 1 : 0);
    EXPECT_EQ(TreeHash(prefix.dir()), installed) << out.toStdString();
    EXPECT_EQ(Uninstall(program, home, QStringList{"--yes"} + arguments, &out), fs98 ? 1 : 0);
    EXPECT_EQ(out.contains("Aircraft/Norvane A36/aircraft.cfg (seit der Installation geändert)"),
              fs98)
        << out.toStdString();
  }
  // The changed file stays, with the folders that hold it.
  auto after = TreeHash(prefix.dir());
  for (fs::path kept = changed; kept != Fs98(); kept = kept.parent_path()) {
    const std::string name = kept.lexically_relative(prefix.dir()).string();
    if (!before.contains(name)) {
      EXPECT_EQ(after.erase(name), 1u) << name;
    }
  }
  EXPECT_EQ(after, before);
  EXPECT_EQ(flags(), flagsBefore);
  EXPECT_FALSE(fs::exists(home / "data" / "applications" / "Norvane"));
  EXPECT_FALSE(fs::exists(home / "Desktop" / "QTP.desktop"));
}

}  // namespace
