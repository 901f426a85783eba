// An installation started from the flight school on a demo prefix with the sample CD: the
// version choice, the options, the run beside the page, and a code entered while it runs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDeadlineTimer>
#include <filesystem>
#include <memory>

#include "controls/jet_button.h"
#include "controls/radio_group.h"
#include "demo_prefix.h"
#include "installer/setup1_dlg.h"
#include "platform/prefix.h"
#include "platform/registry.h"
#include "school_fixture.h"
#include "shell/install_state.h"
#include "tests/support/scoped_env.h"

namespace {

namespace fs = std::filesystem;

class InstallFromSchoolTest : public FlightSchoolTest {
 protected:
  void SetUp() override {
    FlightSchoolTest::SetUp();
    const fs::path home = prefix.root() / "home";
    fs::create_directories(home);
    home_ = std::make_unique<testsupport::ScopedEnv>("HOME", home.string());
    dataHome_ = std::make_unique<testsupport::ScopedEnv>("XDG_DATA_HOME", (home / "data").string());
    configHome_ =
        std::make_unique<testsupport::ScopedEnv>("XDG_CONFIG_HOME", (home / "config").string());
    std::string why;
    ASSERT_TRUE(demo::makeDemoPrefix(prefix.dir(), &why)) << why;
    ASSERT_TRUE(platform::openPrefix(prefix.dir()));
    DetectSimulators();
    ASSERT_FALSE(FS2000Path.isEmpty());
    ASSERT_FALSE(FS98Path.isEmpty());
    InstallState.CDDrive = QString::fromLatin1(demo::kCdDrive);
    WriteStateString(QStringLiteral("CDDrive"), InstallState.CDDrive);
  }

  bool StoredFlag(const char* name) const {
    auto key = platform::RegistryKey::open(ProductKey, false);
    const auto value = key ? key->readInteger(name) : std::nullopt;
    return value && *value != 0;
  }

 private:
  std::unique_ptr<testsupport::ScopedEnv> home_;
  std::unique_ptr<testsupport::ScopedEnv> dataHome_;
  std::unique_ptr<testsupport::ScopedEnv> configHome_;
};

// Lets the program run until the run window has gone, or a minute has passed.
bool WaitForRunToEnd() {
  QDeadlineTimer deadline(60000);
  while (InstallRunWindowShown() && !deadline.hasExpired())
    QApplication::processEvents(QEventLoop::AllEvents, 50);
  return !InstallRunWindowShown();
}

TEST_F(InstallFromSchoolTest, ACodeEnteredWhileTheRunWorksIsRecordedAndTheRunCompletes) {
  WhenFormShown(QStringLiteral("TFSVersionDLG"), [](QWidget* choice) {
    RadioGroup(choice, "FSSel")->setItemIndex(1);
    WhenFormShown(QStringLiteral("TSetup1DLG"), [](QWidget* options) {
      for (const char* box : {"QTPCheck", "AircraftCheck", "SceneryCheck"})
        CheckBox(options, box)->setChecked(true);
      CheckBox(options, "DesktopIcon")->setChecked(false);
      ClickControl(Control(options, "ContinueBtn"));
    });
    ClickControl(Control(choice, "OKBtn"));
  });
  bool runWindowBesideThePage = false;
  bool ranOnAfterCode = false;
  WithSchool([&](TSyllabusDLG& page) {
    ClickControl(page.InstallBtn);
    runWindowBesideThePage = InstallRunning && InstallRunWindowShown() && page.isVisible();
    page.CodeEdit->setText(CodeOf(0));
    EXPECT_EQ(ShownHeading(page), "Flugstunde 02");
    ranOnAfterCode = InstallRunning;
    hooks::queueMessageAnswer(QStringLiteral("OK"));
    EXPECT_TRUE(WaitForRunToEnd());
    EXPECT_TRUE(page.isVisible());
  });
  EXPECT_TRUE(runWindowBesideThePage);
  EXPECT_TRUE(ranOnAfterCode);
  EXPECT_FALSE(InstallRunning);
  EXPECT_EQ(SimVersion, 2000);
  EXPECT_TRUE(StoredLesson(0));
  ASSERT_FALSE(messages.empty());
  EXPECT_EQ(messages.back().text, "Installation wurde erfolgreich durchgeführt!");
  for (const char* flag : {"AC2K1", "AC2K2", "AC2K3", "AC2K4", "SC2K", "QTP2K"})
    EXPECT_TRUE(StoredFlag(flag)) << flag;
}

}  // namespace
