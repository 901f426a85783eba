// The CD check against real drives of a test prefix: when it asks, what the prompt accepts and
// refuses, what it records, and where it looks when no CD drive is recorded.
#include <gtest/gtest.h>

#include <QComboBox>

#include "installer/srcdrv_dlg.h"
#include "platform/registry.h"
#include "shell/automation_hooks.h"
#include "shell/install_state.h"
#include "shell_test_support.h"
#include "tests/support/temp_prefix.h"

namespace {

const QString kFaq = QStringLiteral("UIRES\\QTP_FAQ.HTM");

class CDCheckTest : public testing::Test {
 protected:
  void SetUp() override {
    hooks::clearAll();
    ResetProgramState();
    hooks::setPlainObserver([this](const QString& text) { plain.push_back(text); });
    ASSERT_TRUE(platform::RegistryKey::open("SOFTWARE\\NORVANE\\QTP\\1.0", true));
  }
  void TearDown() override { hooks::clearAll(); }

  std::optional<std::string> RecordedDrive() {
    auto key = platform::RegistryKey::open("SOFTWARE\\NORVANE\\QTP\\1.0", false);
    return key ? key->readString("CDDrive") : std::nullopt;
  }

  testsupport::TempPrefix prefix;
  std::vector<QString> plain;
};

void Choose(QWidget* prompt, const QString& drive) {
  auto* combo = static_cast<QComboBox*>(Control(prompt, "DriveCombo"));
  combo->setCurrentIndex(combo->findText(drive));
  ASSERT_EQ(combo->currentText(), drive);
}

TEST_F(CDCheckTest, ACDInTheRecordedDriveNeedsNoPrompt) {
  const auto cd = prefix.addDrive('D', testsupport::DriveKind::CdRomDevice);
  testsupport::TempPrefix::writeFile(cd / "UIRES" / "QTP_FAQ.HTM", "<html>FAQ</html>");
  InstallState.CDDrive = "D:\\";
  EXPECT_TRUE(CheckCDFile(kFaq));  // a prompt would wait for a person and fail the test
  EXPECT_TRUE(plain.empty());
}

TEST_F(CDCheckTest, ThePromptListsDriveLettersInUpperCaseAndPresetsTheRecordedOne) {
  prefix.addDrive('D', testsupport::DriveKind::CdRomDevice);
  prefix.addDrive('F');
  InstallState.CDDrive = "d:\\";
  QStringList items;
  QString preset;
  WhenFormShown("TSRCDRVDLG", [&](QWidget* prompt) {
    auto* combo = static_cast<QComboBox*>(Control(prompt, "DriveCombo"));
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    preset = combo->currentText();
    EXPECT_EQ(prompt->size(), QSize(375, 176));
    ClickControl(Control(prompt, "AbortBtn"));
  });
  EXPECT_FALSE(CheckCDFile(kFaq));
  EXPECT_TRUE(items.contains("C:"));
  EXPECT_TRUE(items.contains("D:"));
  EXPECT_TRUE(items.contains("F:"));
  EXPECT_EQ(preset, "D:");
}

TEST_F(CDCheckTest, ALabelledDriveShowsItsLabelAndStillGivesItsRoot) {
  const auto cd = prefix.addDrive('D', testsupport::DriveKind::CdRomDevice);
  testsupport::TempPrefix::writeFile(cd / ".windows-label", "Qtp Cd\n");
  std::filesystem::create_directory_symlink(prefix.root() / "gone",
                                            prefix.dir() / "dosdevices" / "f:");
  InstallState.CDDrive = "d:\\";
  WhenFormShown("TSRCDRVDLG", [&](QWidget* prompt) {
    EXPECT_EQ(static_cast<QComboBox*>(Control(prompt, "DriveCombo"))->currentText(), "D: [QTP CD]");
    testsupport::TempPrefix::writeFile(cd / "UIRES" / "QTP_FAQ.HTM", "<html>FAQ</html>");
    ClickControl(Control(prompt, "ContinueBtn"));
  });
  EXPECT_TRUE(CheckCDFile(kFaq));
  EXPECT_EQ(RecordedDrive(), "D:\\");
}

TEST_F(CDCheckTest, ADriveWithoutTheFileIsRefusedAndThePromptStays) {
  prefix.addDrive('D', testsupport::DriveKind::CdRomDevice);
  bool stillOpen = false;
  WhenFormShown("TSRCDRVDLG", [&](QWidget* prompt) {
    Choose(prompt, "D:");
    hooks::queuePlainAnswer();
    ClickControl(Control(prompt, "ContinueBtn"));
    stillOpen = prompt->isVisible();
    ClickControl(Control(prompt, "AbortBtn"));
  });
  EXPECT_FALSE(CheckCDFile(kFaq));
  EXPECT_TRUE(stillOpen);
  ASSERT_EQ(plain.size(), 1u);
  EXPECT_EQ(plain[0], "QTP-CD nicht gefunden, bitte prüfen Sie das gewählte Laufwerk!");
  EXPECT_FALSE(RecordedDrive());
}

TEST_F(CDCheckTest, ADriveThatIsNoCDROMIsRefusedEvenWithTheFile) {
  const auto disk = prefix.addDrive('F');
  testsupport::TempPrefix::writeFile(disk / "UIRES" / "QTP_FAQ.HTM", "<html>FAQ</html>");
  WhenFormShown("TSRCDRVDLG", [&](QWidget* prompt) {
    Choose(prompt, "F:");
    hooks::queuePlainAnswer();
    ClickControl(Control(prompt, "ContinueBtn"));
    ClickControl(Control(prompt, "AbortBtn"));
  });
  EXPECT_FALSE(CheckCDFile(kFaq));
  ASSERT_EQ(plain.size(), 1u);
  EXPECT_EQ(plain[0], "Das gewählte Laufwerk muß ein CD-ROM sein!");
  EXPECT_TRUE(InstallState.CDDrive.isEmpty());
}

TEST_F(CDCheckTest, TheRightCDDriveIsRecordedInStateAndKey) {
  const auto cd = prefix.addDrive('E', testsupport::DriveKind::CdRomDevice);
  // The file name on the CD differs in case, as it may on a real disc.
  testsupport::TempPrefix::writeFile(cd / "uires" / "qtp_faq.htm", "<html>FAQ</html>");
  InstallState.CDDrive = "G:\\";
  WhenFormShown("TSRCDRVDLG", [&](QWidget* prompt) {
    Choose(prompt, "E:");
    ClickControl(Control(prompt, "ContinueBtn"));
  });
  EXPECT_TRUE(CheckCDFile(kFaq));
  EXPECT_TRUE(plain.empty());
  EXPECT_EQ(InstallState.CDDrive, "E:\\");
  EXPECT_EQ(RecordedDrive(), std::optional<std::string>("E:\\"));
}

TEST_F(CDCheckTest, AbortAfterTheCDArrivedInTheRecordedDriveStillAnswersTrue) {
  const auto cd = prefix.addDrive('D', testsupport::DriveKind::CdRomDevice);
  InstallState.CDDrive = "D:\\";
  WhenFormShown("TSRCDRVDLG", [&](QWidget* prompt) {
    testsupport::TempPrefix::writeFile(cd / "UIRES" / "QTP_FAQ.HTM", "<html>FAQ</html>");
    ClickControl(Control(prompt, "AbortBtn"));
  });
  EXPECT_TRUE(CheckCDFile(kFaq));
}

TEST_F(CDCheckTest, WithoutARecordedDriveTheCurrentFolderIsProbedFirst) {
  const auto disk = prefix.addDrive('D');
  testsupport::TempPrefix::writeFile(disk / "UIRES" / "QTP_FAQ.HTM", "<html>FAQ</html>");
  prefix.enter(disk);
  EXPECT_TRUE(CheckCDFile(kFaq));
  EXPECT_TRUE(InstallState.CDDrive.isEmpty());
}

}  // namespace
