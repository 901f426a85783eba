// The machine registry of a prefix: system.reg read only, qtp.reg the program's own.
#include <gtest/gtest.h>

#include "platform/registry.h"
#include "platform/registry_text.h"
#include "tests/support/refused_files.h"
#include "tests/support/temp_prefix.h"

namespace fs = std::filesystem;
using platform::RegistryKey;
using testsupport::TempPrefix;

namespace {

constexpr const char* kProductKey = "SOFTWARE\\NORVANE\\QTP\\1.0";
constexpr const char* kSimulatorKeys =
    "[Software\\\\Microsoft\\\\Microsoft Games\\\\Flight Simulator\\\\7.0] 1\n"
    "\"Path\"=\"C:\\\\FS2000\"\n"
    "\"Build\"=dword:00000010\n"
    "\"Blob\"=hex:00,01\n";

class Registry : public ::testing::Test {
 protected:
  fs::path own() const { return prefix_.dir() / "qtp.reg"; }
  fs::path machine() const { return prefix_.dir() / "system.reg"; }
  platform::regtext::Document ownDocument() const {
    auto result = platform::regtext::parse(TempPrefix::readFile(own()));
    EXPECT_TRUE(result.document.has_value()) << result.error.what;
    return result.document ? *result.document : platform::regtext::Document{};
  }
  TempPrefix prefix_;
};

TEST_F(Registry, MissingKeysOpenOnlyWhenCreated) {
  EXPECT_FALSE(RegistryKey::open(kProductKey, false));
  EXPECT_FALSE(fs::exists(own()));
  auto key = RegistryKey::open(kProductKey, true);
  ASSERT_TRUE(key);
  EXPECT_FALSE(key->valueExists("CDDrive"));
  EXPECT_TRUE(RegistryKey::open("software\\norvane\\qtp\\1.0\\", false));
  EXPECT_NE(ownDocument().find(kProductKey), nullptr);
  EXPECT_FALSE(fs::exists(machine())) << "the machine file is never written";
  EXPECT_FALSE(RegistryKey::open("", true));
}

TEST_F(Registry, ReadsTheMachineFileByTypeAndWithoutRegardToCase) {
  prefix_.writeSystemReg(kSimulatorKeys);
  auto key =
      RegistryKey::open("SOFTWARE\\Microsoft\\microsoft games\\Flight Simulator\\7.0", false);
  ASSERT_TRUE(key);
  EXPECT_EQ(key->readString("PATH"), "C:\\FS2000");
  EXPECT_EQ(key->readInteger("build"), 16u);
  EXPECT_FALSE(key->readInteger("Path"));
  EXPECT_FALSE(key->readString("Build"));
  EXPECT_TRUE(key->valueExists("Blob"));
  EXPECT_FALSE(key->readString("Blob"));
  EXPECT_FALSE(key->valueExists("InstalledTo"));
}

TEST_F(Registry, WritesGoToTheOwnFileAndWinOverTheMachineFile) {
  prefix_.writeSystemReg(kSimulatorKeys);
  const std::string machineBefore = TempPrefix::readFile(machine());
  auto key = RegistryKey::open("Software\\Microsoft\\Microsoft Games\\Flight Simulator\\7.0", true);
  ASSERT_TRUE(key);
  EXPECT_TRUE(key->writeString("path", "D:\\Other\\"));
  EXPECT_EQ(key->readString("Path"), "D:\\Other\\");
  EXPECT_EQ(key->readInteger("Build"), 16u) << "the machine file's other values still show";
  EXPECT_EQ(TempPrefix::readFile(machine()), machineBefore);
  auto reopened =
      RegistryKey::open("Software\\Microsoft\\Microsoft Games\\Flight Simulator\\7.0", false);
  EXPECT_EQ(reopened->readString("PATH"), "D:\\Other\\");
}

TEST_F(Registry, A32BitViewOfAWin64PrefixLooksUnderWow6432NodeFirst) {
  prefix_.writeSystemReg(
      "[Software\\\\Wow6432Node\\\\Microsoft\\\\Games\\\\Flight Simulator\\\\6.0] 1\n"
      "\"InstalledTo\"=\"C:\\\\FS98\"\n"
      "[Software\\\\Wow6432Node\\\\Both] 1\n\"Where\"=\"32\"\n"
      "[Software\\\\Both] 1\n\"Where\"=\"64\"\n",
      true);
  auto key = RegistryKey::open("Software\\Microsoft\\Games\\Flight Simulator\\6.0", false);
  ASSERT_TRUE(key);
  EXPECT_EQ(key->readString("InstalledTo"), "C:\\FS98");
  EXPECT_EQ(RegistryKey::open("SOFTWARE\\Both", false)->readString("Where"), "32");

  prefix_.writeSystemReg(
      "[Software\\\\Wow6432Node\\\\Microsoft\\\\Games\\\\Flight Simulator\\\\6.0] 1\n", false);
  EXPECT_FALSE(RegistryKey::open("Software\\Microsoft\\Games\\Flight Simulator\\6.0", false));
}

TEST_F(Registry, EveryOpenSeesWritesMadeThroughOtherKeys) {
  auto first = RegistryKey::open(kProductKey, true);
  auto second = RegistryKey::open(kProductKey, false);
  ASSERT_TRUE(first && second);
  EXPECT_TRUE(first->writeInteger("M0", 1));
  EXPECT_TRUE(second->writeInteger("M1", 1));
  auto third = RegistryKey::open(kProductKey, false);
  EXPECT_EQ(third->readInteger("M0"), 1u);
  EXPECT_EQ(third->readInteger("M1"), 1u);
  const auto document = ownDocument();
  const auto& values = document.find(kProductKey)->values;
  ASSERT_EQ(values.size(), 2u) << "the second write kept the first";
}

TEST_F(Registry, KeepsThePreviousFileAsBackupAndNoTemporaryFiles) {
  auto key = RegistryKey::open(kProductKey, true);
  ASSERT_TRUE(key->writeString("SCRes", "1"));
  ASSERT_TRUE(key->writeString("SCRes", "2"));
  const auto backup = platform::regtext::parse(TempPrefix::readFile(own().string() + ".bak"));
  ASSERT_TRUE(backup.document);
  EXPECT_EQ(backup.document->find(kProductKey)->find("SCRes")->text, "1");
  EXPECT_EQ(ownDocument().find(kProductKey)->find("SCRes")->text, "2");
  EXPECT_FALSE(fs::exists(own().string() + ".tmp"));
  EXPECT_FALSE(fs::exists(own().string() + ".bak.tmp"));
}

TEST_F(Registry, LinksPlantedBesideTheFileAreNeverFollowed) {
  auto key = RegistryKey::open(kProductKey, true);
  ASSERT_TRUE(key);
  for (const char* suffix : {".tmp", ".bak.tmp", ".bak", ".lock"}) {
    const fs::path named = prefix_.root() / (std::string("named") + suffix);
    fs::remove(own().string() + suffix);
    fs::create_symlink(named, own().string() + suffix);
    ::testing::internal::CaptureStderr();
    key->writeString("SCRes", suffix);
    ::testing::internal::GetCapturedStderr();
    EXPECT_FALSE(fs::exists(named)) << suffix;
  }
}

TEST_F(Registry, SeveralValuesLandTogetherInTheGivenOrder) {
  auto key = RegistryKey::open(kProductKey, true);
  ASSERT_TRUE(key->writeInteger("SCRes", 7));
  ASSERT_TRUE(key->writeValues(
      {{"InstallDir", std::string("C:\\QTP\\")}, {"scres", std::string("2")}, {"M0", 1u}}));
  const auto document = ownDocument();
  const auto& values = document.find(kProductKey)->values;
  ASSERT_EQ(values.size(), 3u);
  EXPECT_EQ(values[0].name, "SCRes") << "a replaced value keeps its place and spelling";
  EXPECT_EQ(values[0].text, "2");
  EXPECT_EQ(values[1].name, "InstallDir");
  EXPECT_EQ(values[2].number, 1u);
  EXPECT_EQ(key->readString("SCRES"), "2");
  EXPECT_FALSE(key->readInteger("SCRes")) << "the type changes with the value";
}

TEST_F(Registry, KeepsNonAsciiTextThroughTheFile) {
  auto key = RegistryKey::open(kProductKey, true);
  ASSERT_TRUE(key->writeString("InstallDir", "C:\\Programme\\Flugübungen\\"));
  EXPECT_EQ(RegistryKey::open(kProductKey, false)->readString("installdir"),
            "C:\\Programme\\Flugübungen\\");
}

class BrokenOwnFile : public Registry, public ::testing::WithParamInterface<std::string> {};

TEST_P(BrokenOwnFile, IsNeverOpenedNorOverwrittenAndReportedOnce) {
  prefix_.writeSystemReg(kSimulatorKeys);
  TempPrefix::writeFile(own(), GetParam());
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(RegistryKey::open(kProductKey, true));
  EXPECT_FALSE(RegistryKey::open(kProductKey, false));
  auto simulator =
      RegistryKey::open("Software\\Microsoft\\Microsoft Games\\Flight Simulator\\7.0", true);
  ASSERT_TRUE(simulator) << "keys of the machine file still open";
  EXPECT_EQ(simulator->readString("Path"), "C:\\FS2000");
  EXPECT_FALSE(simulator->writeString("Path", "X"));
  EXPECT_EQ(simulator->readString("Path"), "C:\\FS2000");
  const std::string errors = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(TempPrefix::readFile(own()), GetParam());
  EXPECT_FALSE(fs::exists(own().string() + ".bak"));
  EXPECT_NE(errors.find(own().string()), std::string::npos) << errors;
  EXPECT_NE(errors.find("line "), std::string::npos) << errors;
  EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
}

std::string withNulBytes() {
  std::string text =
      "WINE REGISTRY Version 2\n[SOFTWARE\\\\NORVANE\\\\QTP\\\\1.0] 1\n\"M0\"=dword:0000";
  text += std::string(4, '\0');
  return text + "\n";
}

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenOwnFile,
    ::testing::Values(std::string(""), std::string("garbage\n"),
                      std::string("WINE REGISTRY Version 2\n[SOFTWARE\\\\NORVANE\\\\QTP\\\\1.0] 1\n"
                                  "\"InstallDir\"=\"C:\\\\FS20"),
                      withNulBytes()));

TEST_F(Registry, AnOwnFileThatIsNoRegularFileIsRefusedAndLeftAlone) {
  std::vector<std::string> reasons;
  ::testing::internal::CaptureStderr();
  testsupport::forEachRefusedFile(own(), (16u << 20) + 1, [&](const std::string& reason) {
    const fs::file_type type = fs::symlink_status(own()).type();
    EXPECT_FALSE(RegistryKey::open(kProductKey, true));
    EXPECT_EQ(fs::symlink_status(own()).type(), type);
    reasons.push_back(reason);
  });
  const std::string errors = ::testing::internal::GetCapturedStderr();
  for (const std::string& reason : reasons)  // a message once, whichever file gave it
    EXPECT_NE(errors.find(own().string() + ", cannot be used (" + reason), std::string::npos)
        << errors;
}

TEST_F(Registry, ABrokenMachineFileHidesOnlyItsOwnKeys) {
  auto key = RegistryKey::open(kProductKey, true);
  ASSERT_TRUE(key->writeInteger("QTP2K", 1));
  TempPrefix::writeFile(machine(), "WINE REGISTRY Version 2\n[Software\\\\Wine\n");
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(RegistryKey::open("Software\\Wine", false));
  auto again = RegistryKey::open(kProductKey, true);
  ASSERT_TRUE(again);
  EXPECT_EQ(again->readInteger("QTP2K"), 1u);
  EXPECT_TRUE(again->writeInteger("QTP98", 1));
  const std::string errors = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(errors.find(machine().string() + ", line 2"), std::string::npos) << errors;
}

TEST_F(Registry, AFileRepairedOnDiskIsUsedAgain) {
  TempPrefix::writeFile(own(), "broken\n");
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(RegistryKey::open(kProductKey, true));
  ::testing::internal::GetCapturedStderr();
  fs::remove(own());
  auto key = RegistryKey::open(kProductKey, true);
  ASSERT_TRUE(key);
  EXPECT_TRUE(key->writeInteger("SC2K", 1));
}

}  // namespace
