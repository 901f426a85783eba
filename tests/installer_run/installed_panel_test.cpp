// The road through the system: aircraft 1 installed for Flight Simulator 2000 from the sample CD
// into a fresh prefix, then the panel host loads that aircraft's panel from the simulator's
// folder, which loads the installed gauge module, and renders it.
#include <QImage>
#include <QProcess>
#include <fstream>

#include "run_fixture.h"
#include "shell/install_state.h"

namespace fs = std::filesystem;

namespace {

// The installed file of the member of `archive` whose name ends in `ending` (any letter case).
std::optional<fs::path> InstalledMember(const fs::path& archive, const fs::path& folder,
                                        const QString& ending) {
  for (const std::string& member : ArchiveMembers(archive)) {
    if (QString::fromStdString(member).endsWith(ending, Qt::CaseInsensitive))
      return folder / member;
  }
  return std::nullopt;
}

bool HasDetail(const QImage& image) {
  const QRgb first = image.pixel(0, 0);
  int differing = 0;
  for (int y = 0; y < image.height(); y += 7)
    for (int x = 0; x < image.width(); x += 7) differing += image.pixel(x, y) != first ? 1 : 0;
  return differing > 100;
}

TEST_F(RunTest, AnInstalledAircraftsPanelLoadsTheInstalledModuleInThePanelHost) {
  SimVersion = 2000;
  Session.AircraftChosen[0] = true;
  InstallRunning = true;
  RunInstallation();
  ASSERT_EQ(StoredBool("AC2K1"), true);

  const auto panel =
      InstalledMember(SampleCd() / "FS2000" / "Aircraft1.rar", Fs2000(), "panel/panel.cfg");
  ASSERT_TRUE(panel);
  ASSERT_TRUE(fs::is_regular_file(*panel));
  const auto module =
      InstalledMember(SampleCd() / "FS2000" / "GAUGES1.rar", Fs2000(), "NOR_NV36.gau");
  ASSERT_TRUE(module);
  ASSERT_TRUE(fs::is_regular_file(*module));

  const fs::path image = prefix.root() / "panel.png";
  const fs::path script = prefix.root() / "render.script";
  std::ofstream(script) << "update 2\nrender panel " << image.string() << "\n";
  QProcess host;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("ALSOFT_DRIVERS", "null");
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  host.setProcessEnvironment(environment);
  host.setWorkingDirectory(QString::fromStdString(Fs2000().string()));
  host.start(PANELHOST_EXE, {"--panel", QString::fromStdString(panel->string()), "--script",
                             QString::fromStdString(script.string())});
  ASSERT_TRUE(host.waitForFinished(120000));
  EXPECT_EQ(host.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(host.exitCode(), 0) << host.readAllStandardError().toStdString();

  const QImage rendered(QString::fromStdString(image.string()));
  ASSERT_FALSE(rendered.isNull());
  EXPECT_EQ(rendered.size(), QSize(1024, 940));
  EXPECT_TRUE(HasDetail(rendered));
}

}  // namespace
