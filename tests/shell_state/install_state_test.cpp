// The install state: the product key as it lands in qtp.reg, the simulator folders found from
// the machine registry, and the space and file counts of an installation.
#include <gtest/gtest.h>

#include <QApplication>
#include <utility>
#include <vector>

#include "platform/drives.h"
#include "platform/registry_text.h"
#include "shell/automation_hooks.h"
#include "shell/install_state.h"
#include "tests/support/temp_prefix.h"

namespace fs = std::filesystem;
using platform::regtext::ValueKind;
using testsupport::DriveKind;
using testsupport::TempPrefix;

namespace {

class QtApplication : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "install_state_tests";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QApplication>(argc, argv);
  }
  void TearDown() override { app_.reset(); }

 private:
  std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const kApplication =
    ::testing::AddGlobalTestEnvironment(new QtApplication);

// Text as the registry file writes it: backslashes and quotes escaped.
std::string escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out;
}

std::string stringKey(const std::string& path,
                      const std::vector<std::pair<std::string, std::string>>& values) {
  std::string text = "[" + escaped(path) + "] 1\n";
  for (const auto& [name, value] : values)
    text += "\"" + escaped(name) + "\"=\"" + escaped(value) + "\"\n";
  return text;
}

const std::string kFs2000Key = "Software\\Microsoft\\Microsoft Games\\Flight Simulator\\7.0";
const std::string kFs61Key = "Software\\Microsoft\\Microsoft Games\\Flight Simulator\\6.1";
const std::string kFs60Key = "Software\\Microsoft\\Games\\Flight Simulator\\6.0";
const std::string kUninstallKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Flight Simulator 98";
const std::string kClassesKey = "Software\\Classes\\Flight Simulator";
const std::string kUninstallTail = "FS98UNIN.EXE /U:FS98.LOG";  // 24 characters
const std::string kIconTail = "FLTSIM98.EXE,0";                 // 14 characters

class InstallStateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProgramState();
    hooks::clearAll();
    hooks::setMessageObserver([this](const hooks::MessageRecord& r) { messages_.push_back(r); });
  }
  void TearDown() override { hooks::clearAll(); }

  fs::path ownFile() const { return prefix_.dir() / "qtp.reg"; }

  // The product key's values in the order they stand in qtp.reg.
  std::vector<platform::regtext::Value> productValues() const {
    const auto parsed = platform::regtext::parse(TempPrefix::readFile(ownFile()));
    EXPECT_TRUE(parsed.document) << parsed.error.what;
    if (!parsed.document) return {};
    const auto* key = parsed.document->find(ProductKey);
    return key ? key->values : std::vector<platform::regtext::Value>{};
  }

  // A simulator folder on C: holding the given program file.
  std::string simulator(const std::string& folder, const std::string& program) {
    TempPrefix::writeFile(prefix_.driveC() / folder / program, "MZ");
    return "C:\\" + folder + "\\";
  }

  TempPrefix prefix_;
  std::vector<hooks::MessageRecord> messages_;
};

std::vector<std::string> expectedValueOrder(bool withCdDrive) {
  std::vector<std::string> names;
  if (withCdDrive) names.push_back("CDDrive");
  for (const char* name : {"InstallDir", "QTP2K", "QTP98"}) names.push_back(name);
  for (int n = 0; n <= 18; ++n) names.push_back("M" + std::to_string(n));
  for (int n = 1; n <= 4; ++n) {
    names.push_back("AC2K" + std::to_string(n));
    names.push_back("AC98" + std::to_string(n));
  }
  for (const char* name : {"SC2K", "SC98", "SCRes"}) names.push_back(name);
  return names;
}

void expectCreatedValues(const std::vector<platform::regtext::Value>& values, bool withCdDrive) {
  const auto names = expectedValueOrder(withCdDrive);
  ASSERT_EQ(values.size(), names.size());
  for (std::size_t i = 0; i < values.size(); ++i) {
    EXPECT_EQ(values[i].name, names[i]) << i;
    const bool isString = names[i] == "CDDrive" || names[i] == "InstallDir" || names[i] == "SCRes";
    EXPECT_EQ(values[i].kind, isString ? ValueKind::String : ValueKind::Dword) << names[i];
    if (!isString) {
      EXPECT_EQ(values[i].number, 0u) << names[i];
    }
  }
  EXPECT_EQ(values.back().text, "1");
}

TEST_F(InstallStateTest, FirstStartFromACdRecordsItsDrive) {
  const fs::path cd = prefix_.addDrive('E', DriveKind::CdRomDevice);
  fs::create_directories(cd / "SETUP");
  prefix_.enter(cd / "SETUP");
  DetectSimulators();
  const auto values = productValues();
  expectCreatedValues(values, true);
  EXPECT_EQ(values.front().text, "E:\\");
  EXPECT_EQ(InstallState.CDDrive, "E:\\");
  EXPECT_EQ(InstallState.InstallDir, "");
  EXPECT_EQ(InstallState.SCRes, "1");
  EXPECT_FALSE(InstallState.QTP2K || InstallState.QTP98 || InstallState.SC2K || InstallState.SC98);
  for (bool lesson : InstallState.Lesson) EXPECT_FALSE(lesson);
}

TEST_F(InstallStateTest, FirstStartFromAHardDiskRecordsNoCdDrive) {
  fs::create_directories(prefix_.driveC() / "Games");
  prefix_.enter(prefix_.driveC() / "Games");
  DetectSimulators();
  expectCreatedValues(productValues(), false);
  EXPECT_TRUE(InstallState.CDDrive.isEmpty());

  prefix_.enter(prefix_.root());  // outside the drives: Z:
  DetectSimulators();
  expectCreatedValues(productValues(), false);
}

TEST_F(InstallStateTest, ExistingValuesAreReadAndKeptAsTheyAre) {
  TempPrefix::writeFile(ownFile(),
                        "WINE REGISTRY Version 2\n[Software\\\\Norvane\\\\QTP\\\\1.0] 1\n"
                        "\"cddrive\"=\"G:\\\\\"\n\"InstallDir\"=\"D:\\\\Übungen\\\\\"\n"
                        "\"M3\"=dword:00000001\n\"AC2K2\"=dword:00000005\n\"QTP98\"=\"yes\"\n"
                        "\"SCRes\"=\"20\"\n\"SC98\"=dword:1\n");
  DetectSimulators();
  EXPECT_EQ(InstallState.CDDrive, "G:\\");
  EXPECT_EQ(InstallState.InstallDir, "D:\\Übungen\\");
  EXPECT_TRUE(InstallState.Lesson[3]);
  EXPECT_FALSE(InstallState.Lesson[2]);
  EXPECT_TRUE(InstallState.AC2K[1]) << "any non-zero number is true";
  EXPECT_FALSE(InstallState.QTP98) << "a value of the wrong type reads as false";
  EXPECT_TRUE(InstallState.SC98);
  EXPECT_EQ(InstallState.SCRes, "2");
  const auto values = productValues();
  ASSERT_EQ(values.size(), 34u);
  EXPECT_EQ(values[0].name, "cddrive");
  EXPECT_EQ(values[5].text, "20") << "reading never rewrites a value";
  EXPECT_EQ(values[7].name, "QTP2K") << "missing values follow the existing ones";
}

TEST_F(InstallStateTest, AnUnreadableProductFileLeavesEverythingEmptyAndUntouched) {
  prefix_.addDrive('E', DriveKind::CdRomDevice);
  prefix_.enter(prefix_.root() / "drive_e");
  const std::string broken =
      "WINE REGISTRY Version 2\n[Software\\\\Norvane\\\\QTP\\\\1.0] 1\n\"M0\"=dword:1\n\"M1";
  TempPrefix::writeFile(ownFile(), broken);
  const std::string fs2000 = simulator("FS2000", "FS2000.EXE");
  prefix_.writeSystemReg(stringKey(kFs2000Key, {{"Path", fs2000}}));
  ::testing::internal::CaptureStderr();
  DetectSimulators();
  WriteStateBool("M0", true);
  WriteStateString("InstallDir", "C:\\X\\");
  const std::string errors = ::testing::internal::GetCapturedStderr();
  EXPECT_FALSE(InstallState.Lesson[0]);
  EXPECT_TRUE(InstallState.CDDrive.isEmpty());
  EXPECT_TRUE(InstallState.SCRes.isEmpty());
  EXPECT_EQ(TempPrefix::readFile(ownFile()), broken);
  EXPECT_NE(errors.find("line 4"), std::string::npos) << errors;
  EXPECT_EQ(FS2000Path, "C:\\FS2000\\") << "the simulators are still found";
}

TEST_F(InstallStateTest, StateWritesNeedTheKeyToExist) {
  WriteStateBool("QTP2K", true);
  WriteStateString("InstallDir", "C:\\QTP\\");
  EXPECT_FALSE(fs::exists(ownFile()));
  DetectSimulators();
  WriteStateBool("qtp2k", true);
  WriteStateString("InstallDir", "C:\\Flugschule\\QTP\\");
  WriteStateBool("AC981", false);
  ResetProgramState();
  DetectSimulators();
  EXPECT_TRUE(InstallState.QTP2K);
  EXPECT_FALSE(InstallState.AC98[0]);
  EXPECT_EQ(InstallState.InstallDir, "C:\\Flugschule\\QTP\\");
  EXPECT_EQ(productValues().size(), 33u) << "writes replace values, they add none";
}

TEST_F(InstallStateTest, Fs2000PathGetsItsBackslashAndNeedsItsProgram) {
  simulator("FS2000", "fs2000.exe");
  prefix_.writeSystemReg(stringKey(kFs2000Key, {{"Path", "C:\\FS2000"}}));
  DetectSimulators();
  EXPECT_EQ(FS2000Path, "C:\\FS2000\\");

  prefix_.writeSystemReg(stringKey(kFs2000Key, {{"Path", "C:\\Elsewhere\\"}}));
  DetectSimulators();
  EXPECT_EQ(FS2000Path, "");
}

struct Fs98Case {
  const char* name;
  std::vector<std::pair<std::string, std::string>> places;  // key -> value, in file order
  std::string expected98;
  std::string expected2000;
};

class Fs98Places : public InstallStateTest, public ::testing::WithParamInterface<Fs98Case> {};

TEST_P(Fs98Places, AreConsultedInOrderUntilOneIsAccepted) {
  const std::string fs2000 = simulator("FS2000", "FS2000.EXE");
  simulator("FS2000", "FLTSIM98.EXE");  // a FS98 entry pointing here must not be taken
  simulator("Combined", "FLTSIM98.EXE");
  for (const char* folder : {"FS98A", "FS98B", "FS98C", "FS98D"}) simulator(folder, "FLTSIM98.EXE");
  simulator("Lower", "fltsim98.exe");
  fs::create_directories(prefix_.driveC() / "Empty");
  std::string keys = stringKey(kFs2000Key, {{"Path", fs2000}});
  for (const auto& [key, value] : GetParam().places) {
    const std::string valueName = key == kFs61Key        ? "Path"
                                  : key == kFs60Key      ? "InstalledTo"
                                  : key == kUninstallKey ? "UninstallString"
                                  : key == kClassesKey   ? "DefaultIcon"
                                                         : "Path";
    keys += stringKey(key, {{valueName, value}});
  }
  prefix_.writeSystemReg(keys);
  DetectSimulators();
  EXPECT_EQ(FS98Path.toStdString(), GetParam().expected98);
  EXPECT_EQ(FS2000Path.toStdString(), GetParam().expected2000);
}

INSTANTIATE_TEST_SUITE_P(
    Detection, Fs98Places,
    ::testing::Values(
        Fs98Case{"FirstPlaceWins",
                 {{kFs61Key, "C:\\FS98A"}, {kFs60Key, "C:\\FS98B\\"}},
                 "C:\\FS98A\\",
                 "C:\\FS2000\\"},
        Fs98Case{"PathWithoutProgramFallsToInstalledTo",
                 {{kFs61Key, "C:\\Empty"}, {kFs60Key, "C:\\FS98B"}},
                 "C:\\FS98B\\",
                 "C:\\FS2000\\"},
        Fs98Case{"SameFolderAsFs2000IsRejected",
                 {{kFs61Key, "C:\\FS2000\\"}, {kFs60Key, "c:\\fs98b\\"}},
                 "c:\\fs98b\\",
                 "C:\\FS2000\\"},
        Fs98Case{"UninstallStringLosesItsLast24Characters",
                 {{kUninstallKey, "C:\\FS98C\\" + kUninstallTail}},
                 "C:\\FS98C\\",
                 "C:\\FS2000\\"},
        Fs98Case{"DefaultIconLosesItsLast14Characters",
                 {{kFs60Key, "C:\\Empty\\"}, {kClassesKey, "C:\\FS98D\\" + kIconTail}},
                 "C:\\FS98D\\",
                 "C:\\FS2000\\"},
        Fs98Case{"UninstallStringOfExactly24CharactersIsRejected",
                 {{kUninstallKey, kUninstallTail}, {kClassesKey, "C:\\FS98D\\" + kIconTail}},
                 "C:\\FS98D\\",
                 "C:\\FS2000\\"},
        Fs98Case{"ShorterValuesThanTheCutGiveNothing",
                 {{kUninstallKey, "C:\\x"}, {kClassesKey, "C:\\"}},
                 "",
                 "C:\\FS2000\\"},
        Fs98Case{"ProgramFoundWithoutRegardToCase",
                 {{kFs61Key, "C:\\Lower"}},
                 "C:\\Lower\\",
                 "C:\\FS2000\\"},
        Fs98Case{"NoPlaceAtAll", {}, "", "C:\\FS2000\\"}),
    [](const ::testing::TestParamInfo<Fs98Case>& c) { return std::string(c.param.name); });

TEST_F(InstallStateTest, ACandidateRefusedForFs2000SurvivesWhenFs2000HasNoProgram) {
  simulator("Combined", "FLTSIM98.EXE");
  prefix_.writeSystemReg(stringKey(kFs2000Key, {{"Path", "C:\\Combined\\"}}) +
                         stringKey(kFs61Key, {{"Path", "C:\\Combined\\"}}));
  DetectSimulators();
  EXPECT_EQ(FS2000Path, "");
  EXPECT_EQ(FS98Path, "C:\\Combined\\");
}

TEST_F(InstallStateTest, AnEmptyCandidateIsRejectedEvenBesideAProgramInTheCurrentFolder) {
  const std::string fs2000 = simulator("FS2000", "FS2000.EXE");
  simulator("Start", "FLTSIM98.EXE");
  simulator("FS98D", "FLTSIM98.EXE");
  prefix_.enter(prefix_.driveC() / "Start");
  prefix_.writeSystemReg(stringKey(kFs2000Key, {{"Path", fs2000}}) +
                         stringKey(kUninstallKey, {{"UninstallString", kUninstallTail}}) +
                         stringKey(kClassesKey, {{"DefaultIcon", "C:\\FS98D\\" + kIconTail}}));
  DetectSimulators();
  EXPECT_EQ(FS98Path, "C:\\FS98D\\");
}

TEST_F(InstallStateTest, AWin64PrefixIsSearchedAsA32BitProgramSeesIt) {
  const std::string fs98 = simulator("FS98", "FLTSIM98.EXE");
  const std::string fs2000 = simulator("FS2000", "FS2000.EXE");
  prefix_.writeSystemReg(
      stringKey("Software\\Wow6432Node\\Microsoft\\Microsoft Games\\Flight Simulator\\7.0",
                {{"Path", fs2000}}) +
          stringKey("Software\\Wow6432Node\\Microsoft\\Games\\Flight Simulator\\6.0",
                    {{"InstalledTo", fs98}}),
      true);
  DetectSimulators();
  EXPECT_EQ(FS2000Path.toStdString(), fs2000);
  EXPECT_EQ(FS98Path.toStdString(), fs98);
}

TEST_F(InstallStateTest, DiskFreeKBIsTheDrivesFreeSpaceInKB) {
  const auto bytes = platform::freeBytes("C:\\");
  ASSERT_TRUE(bytes);
  const std::int64_t kb = DiskFreeKB("C:\\");
  EXPECT_NEAR(static_cast<double>(kb), static_cast<double>(*bytes / 1024), 65536.0);
  EXPECT_EQ(DiskFreeKB("Q:\\"), -1);
  EXPECT_EQ(DiskFreeKB(""), -1);
}

struct SpaceCase {
  const char* name;
  int version;
  std::vector<int> aircraft;  // chosen, 1-based
  bool training;
  bool scenery;
  std::vector<int> installed2000;  // aircraft installed for FS2000, 1-based
  std::vector<int> installed98;
  std::int64_t kb;
};

class RequiredSpace : public InstallStateTest, public ::testing::WithParamInterface<SpaceCase> {};

TEST_P(RequiredSpace, SumsTheChosenComponentsNotYetInstalled) {
  const SpaceCase& c = GetParam();
  for (int n : c.aircraft) Session.AircraftChosen[n - 1] = true;
  Session.TrainingChosen = c.training;
  Session.SceneryChosen = c.scenery;
  for (int n : c.installed2000) InstallState.AC2K[n - 1] = true;
  for (int n : c.installed98) InstallState.AC98[n - 1] = true;
  EXPECT_EQ(RequiredDiskKB(c.version), c.kb);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RequiredSpace,
    ::testing::Values(
        SpaceCase{"Aircraft1And2", 2000, {1, 2}, false, false, {}, {}, 14000 + 7500 + 4416},
        SpaceCase{"Aircraft2WithAircraft1Installed", 2000, {1, 2}, false, false, {1}, {}, 7500},
        SpaceCase{"OtherSimulatorsFlagsDoNotCount", 2000, {1, 2}, false, false, {}, {1, 2}, 25916},
        SpaceCase{"Aircraft3And4", 98, {3, 4}, false, false, {}, {}, 16000 + 16000 + 2323},
        SpaceCase{"Aircraft4With3Installed", 98, {4}, false, false, {}, {3}, 16000},
        SpaceCase{"AllAircraft",
                  2000,
                  {1, 2, 3, 4},
                  false,
                  false,
                  {},
                  {},
                  14000 + 7500 + 16000 + 16000 + 4416 + 2323},
        SpaceCase{"TrainingAndScenery2000", 2000, {}, true, true, {}, {}, 106321 + 30720},
        SpaceCase{"TrainingAndScenery98", 98, {}, true, true, {}, {}, 106321 + 344064},
        SpaceCase{"NoSimulator", 97, {1}, true, true, {}, {}, 0}),
    [](const ::testing::TestParamInfo<SpaceCase>& c) { return std::string(c.param.name); });

TEST_F(InstallStateTest, InstalledTrainingAndSceneryNeedNoSpace) {
  Session.TrainingChosen = Session.SceneryChosen = true;
  InstallState.QTP2K = InstallState.SC2K = true;
  EXPECT_EQ(RequiredDiskKB(2000), 0);
  EXPECT_EQ(RequiredDiskKB(98), 106321 + 344064);
}

TEST_F(InstallStateTest, SpaceEqualToTheFreeSpaceIsEnough) {
  // /proc reports no free space at all: a drive whose free space is exactly 0 KB.
  fs::create_directory_symlink("/proc", prefix_.dir() / "dosdevices" / "p:");
  ASSERT_EQ(DiskFreeKB("P:\\"), 0);
  FS2000Path = "P:\\FS2000\\";
  EXPECT_TRUE(EnoughDiskSpace(2000));
  Session.AircraftChosen[0] = true;
  EXPECT_FALSE(EnoughDiskSpace(2000));
  EXPECT_TRUE(EnoughDiskSpace(0)) << "no simulator, nothing to check";
}

TEST_F(InstallStateTest, SpaceIsCheckedOnTheSimulatorsDrive) {
  Session.AircraftChosen[0] = Session.AircraftChosen[1] = true;
  FS2000Path = "C:\\FS2000\\";
  FS98Path = "Q:\\FS98\\";
  EXPECT_TRUE(EnoughDiskSpace(2000)) << "the test folder's drive has 26 MB to spare";
  EXPECT_FALSE(EnoughDiskSpace(98)) << "an unknown drive reports no space";
  Session = {};
  EXPECT_FALSE(EnoughDiskSpace(98)) << "a failed query fails even when nothing is needed";
}

TEST_F(InstallStateTest, AMissingSimulatorFolderIsReported) {
  FS2000Path = simulator("FS2000", "FS2000.EXE").c_str();
  FS98Path = "C:\\FS98\\";
  EXPECT_TRUE(SimFolderExists(2000));
  EXPECT_TRUE(SimFolderExists(5));
  EXPECT_TRUE(messages_.empty());
  hooks::queueMessageAnswer("Abbruch");
  EXPECT_FALSE(SimFolderExists(98));
  FS2000Path.clear();
  hooks::queueMessageAnswer("close");
  EXPECT_FALSE(SimFolderExists(2000));
  ASSERT_EQ(messages_.size(), 2u);
  EXPECT_EQ(messages_[0].text, "Kann das FS98 Verzeichnis nicht finden, breche ab!");
  EXPECT_EQ(messages_[1].text, "Kann das FS2000 Verzeichnis nicht finden, breche ab!");
  for (const auto& m : messages_) {
    EXPECT_FALSE(m.red);
    EXPECT_FALSE(m.showOK);
    EXPECT_TRUE(m.showAbort);
    EXPECT_EQ(m.abortCaption, "Abbruch");
  }
}

TEST_F(InstallStateTest, ExpectedFilesFollowTheChoicesAndTheSimulator) {
  for (bool& chosen : Session.AircraftChosen) chosen = true;
  Session.SceneryChosen = Session.TrainingChosen = true;
  SimVersion = 2000;
  ExpectedFileCount();
  EXPECT_EQ(Session.ExpectedFiles, 102 + 98 + 118 + 85 + 4846 + 1457);
  SimVersion = 98;
  ExpectedFileCount();
  EXPECT_EQ(Session.ExpectedFiles, 79 + 75 + 117 + 93 + 4846 + 1434);
  Session.AircraftChosen[0] = Session.AircraftChosen[3] = Session.SceneryChosen = false;
  ExpectedFileCount();
  EXPECT_EQ(Session.ExpectedFiles, 75 + 117 + 1434);
  SimVersion = -1;
  ExpectedFileCount();
  EXPECT_EQ(Session.ExpectedFiles, 0);
}

}  // namespace
