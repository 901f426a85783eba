// The archive component over the real library, with archives from our writer.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "content/rar_writer/rar_writer.h"
#include "installer/rar_arc.h"

namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

// Every event the component raises, in order, as short text.
struct EventLog {
  std::vector<std::string> events;
  std::vector<int> errors;

  void attach(TRAR& rar) {
    rar.OnError = [this](TRAR&, int e) {
      errors.push_back(e);
      events.push_back("error " + std::to_string(e));
    };
    rar.OnComment = [this](TRAR&, const TComment& c) {
      events.push_back("comment " + std::to_string(c.Count) + " " + c.Buffer);
    };
    rar.OnExtracting = [this](TRAR&, const RARHeaderData& h) {
      events.push_back(std::string("extracting ") + h.FileName);
    };
    rar.OnExtract = [this](TRAR&, const RARHeaderData& h, bool ok) {
      events.push_back(std::string("extract ") + h.FileName + (ok ? " ok" : " failed"));
    };
  }
  std::size_t count(const std::string& prefix) const {
    return static_cast<std::size_t>(std::count_if(
        events.begin(), events.end(), [&](auto& e) { return e.rfind(prefix, 0) == 0; }));
  }
};

class Trar : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    root = fs::temp_directory_path() / ("qtp-trar-" + std::to_string(::getpid())) / info->name();
    fs::remove_all(root);
    fs::create_directories(root / "dest");
    rar.TargetDir = (root / "dest").string();
    log.attach(rar);
  }
  void TearDown() override { fs::remove_all(root.parent_path()); }

  std::string write(rarwriter::RarWriter& writer, const std::string& name = "A.RAR") {
    return writer.write(root / name).front().string();
  }

  fs::path root;
  TRAR rar;
  EventLog log;
};

TEST_F(Trar, LoadsTheLibraryByName) {
  EXPECT_TRUE(rar.LoadedDLL());
}

TEST_F(Trar, ExtractsEveryMemberAndReportsEachOnce) {
  rarwriter::RarWriter writer;
  writer.addFile("A.TXT", "a");
  writer.addFolder("SUB");
  writer.addFile("SUB\\B.TXT", "b");
  rar.ArchiveName = write(writer);
  EXPECT_TRUE(rar.Extract());
  EXPECT_EQ(log.events, (std::vector<std::string>{
                            "extracting A.TXT", "extract A.TXT ok", "extracting SUB",
                            "extract SUB ok", "extracting SUB\\B.TXT", "extract SUB\\B.TXT ok"}));
  EXPECT_EQ(readFile(root / "dest" / "SUB" / "B.TXT"), "b");
}

TEST_F(Trar, ArchiveThatCannotBeOpenedRaisesOnlyItsOpenCode) {
  rar.ArchiveName = (root / "missing.rar").string();
  rar.OnProcessData = [](TRAR&, unsigned char*, int, int) { return 1; };
  EXPECT_FALSE(rar.Extract());
  EXPECT_EQ(log.events, std::vector<std::string>{"error 15"});
  std::ofstream(root / "junk.rar") << "not an archive";
  rar.ArchiveName = (root / "junk.rar").string();
  log.events.clear();
  EXPECT_FALSE(rar.Extract());
  EXPECT_EQ(log.events, std::vector<std::string>{"error 13"});
}

TEST_F(Trar, NoArchiveNameAndNoLibraryAreComponentErrors) {
  EXPECT_FALSE(rar.Extract());
  EXPECT_EQ(log.errors, std::vector<int>{kRarNoArchiveName});

  TRAR missing(nullptr, "libunrar-not-installed.so");
  EXPECT_FALSE(missing.LoadedDLL());
  EventLog other;
  other.attach(missing);
  missing.ArchiveName = "/any.rar";
  EXPECT_FALSE(missing.Extract());
  EXPECT_EQ(other.events, std::vector<std::string>{"error 50"});

  // A library without the seven entry points is no library either; the first instance keeps
  // working.
  TRAR wrong(nullptr, "libdl.so.2");
  EXPECT_FALSE(wrong.LoadedDLL());
  rarwriter::RarWriter writer;
  writer.addFile("A.TXT", "a");
  rar.ArchiveName = write(writer);
  EXPECT_TRUE(rar.Extract());
}

TEST_F(Trar, CreateAndDataFailuresAreReportedAndTheNextMemberStillComes) {
  rarwriter::RarWriter writer;
  writer.addFile("FIRST.TXT", "1");
  writer.addFile("..\\ESCAPE.TXT", "x");
  writer.addFile("BROKEN.BIN", std::string(5000, 'b'));
  writer.addFile("LAST.TXT", "4");
  writer.flipDataByte(2, 100);
  rar.ArchiveName = write(writer);
  EXPECT_FALSE(rar.Extract());
  EXPECT_EQ(log.errors, (std::vector<int>{ERAR_ECREATE, ERAR_BAD_DATA}));
  EXPECT_EQ(log.count("extract "), 4u);
  EXPECT_EQ(log.events, (std::vector<std::string>{
                            "extracting FIRST.TXT", "extract FIRST.TXT ok",
                            "extracting ..\\ESCAPE.TXT", "extract ..\\ESCAPE.TXT failed",
                            "error 16", "extracting BROKEN.BIN", "extract BROKEN.BIN failed",
                            "error 12", "extracting LAST.TXT", "extract LAST.TXT ok"}));
  EXPECT_EQ(readFile(root / "dest" / "LAST.TXT"), "4");
  EXPECT_FALSE(fs::exists(root / "dest" / "BROKEN.BIN"));
  EXPECT_FALSE(fs::exists(root / "ESCAPE.TXT"));
}

TEST_F(Trar, StopInTheFifthOnExtractEndsBeforeTheSixth) {
  rarwriter::RarWriter writer;
  for (int i = 1; i <= 8; ++i) writer.addFile("M" + std::to_string(i), std::to_string(i));
  rar.ArchiveName = write(writer);
  int extracted = 0;
  rar.OnExtract = [&](TRAR& sender, const RARHeaderData&, bool) {
    if (++extracted == 5) sender.Stop = true;
  };
  EXPECT_TRUE(rar.Extract());
  EXPECT_FALSE(rar.Stop);
  EXPECT_EQ(extracted, 5);
  EXPECT_TRUE(fs::exists(root / "dest" / "M5"));
  EXPECT_FALSE(fs::exists(root / "dest" / "M6"));
  // Stop set before the call ends it before the first member.
  rar.Stop = true;
  extracted = 0;
  EXPECT_TRUE(rar.Extract());
  EXPECT_EQ(extracted, 0);
  EXPECT_FALSE(rar.Stop);
}

TEST_F(Trar, FilesToExtractMatchesWithoutCaseAndSkipsTheRestSilently) {
  rarwriter::RarWriter writer;
  writer.addFile("B.TXT", "b");
  writer.addFile("A.TXT", "a");
  writer.addFile("SUB\\A.TXT", "sub");
  writer.addFile("A.TXT.BAK", "bak");
  rar.ArchiveName = write(writer);
  rar.FilesToExtract.insert("a.txt");
  std::vector<int> blocks;
  rar.OnProcessData = [&](TRAR&, unsigned char*, int size, int) {
    blocks.push_back(size);
    return 1;
  };
  EXPECT_TRUE(rar.Extract());
  EXPECT_EQ(log.events, (std::vector<std::string>{"extracting A.TXT", "extract A.TXT ok"}));
  EXPECT_EQ(blocks, std::vector<int>{1});
  std::vector<std::string> files;
  for (const auto& e : fs::recursive_directory_iterator(root / "dest"))
    files.push_back(e.path().filename().string());
  EXPECT_EQ(files, std::vector<std::string>{"A.TXT"});
}

TEST_F(Trar, PositionCountsEachMemberFromZero) {
  rarwriter::RarWriter writer;
  writer.addFile("BIG.BIN", std::string(200000, 'x'));
  writer.addFile("SMALL.BIN", std::string(10, 's'));
  rar.ArchiveName = write(writer);
  std::vector<std::pair<int, int>> seen;  // block size, position
  rar.OnProcessData = [&](TRAR&, unsigned char*, int size, int position) {
    seen.emplace_back(size, position);
    return 1;
  };
  ASSERT_TRUE(rar.Extract());
  ASSERT_GT(seen.size(), 2u);
  int sum = 0;
  for (std::size_t i = 0; i + 1 < seen.size(); ++i) {
    sum += seen[i].first;
    EXPECT_EQ(seen[i].second, sum);
  }
  EXPECT_EQ(sum, 200000);
  EXPECT_EQ(seen.back(), std::make_pair(10, 10));
}

TEST_F(Trar, ZeroFromOnProcessDataStopsTheExtraction) {
  rarwriter::RarWriter writer;
  writer.addFile("BIG.BIN", std::string(200000, 'x'));
  writer.addFile("NEXT.TXT", "n");
  rar.ArchiveName = write(writer);
  rar.OnProcessData = [](TRAR&, unsigned char*, int, int) { return 0; };
  EXPECT_FALSE(rar.Extract());
  EXPECT_EQ(log.errors.size(), 1u);
  EXPECT_EQ(log.count("extract "), 1u);
  EXPECT_FALSE(fs::exists(root / "dest" / "BIG.BIN"));
  EXPECT_FALSE(fs::exists(root / "dest" / "NEXT.TXT"));
}

TEST_F(Trar, CommentIsRaisedWithTheReportedSize) {
  rarwriter::RarWriter writer;
  writer.setComment("Norvane QTP");
  writer.addFile("A.TXT", "a");
  rar.ArchiveName = write(writer);
  EXPECT_TRUE(rar.Extract());
  ASSERT_FALSE(log.events.empty());
  EXPECT_EQ(log.events.front(), "comment 12 Norvane QTP");
}

TEST_F(Trar, VolumeChangesReachTheHandlerOnlyWhenOneIsAssigned) {
  rarwriter::RarWriter writer;
  writer.addFile("BIG.BIN", std::string(6000, 'v'));
  writer.setVolumeSize(2048);
  rar.ArchiveName = write(writer, "SET.RAR");
  EXPECT_TRUE(rar.Extract());
  EXPECT_EQ(fs::file_size(root / "dest" / "BIG.BIN"), 6000u);

  std::vector<int> modes;
  rar.OnVolumeChange = [&](TRAR&, char*, int mode) {
    modes.push_back(mode);
    return 1;
  };
  EXPECT_TRUE(rar.Extract());
  EXPECT_EQ(modes, (std::vector<int>{RAR_VOL_NOTIFY, RAR_VOL_NOTIFY, RAR_VOL_NOTIFY}));
}

TEST_F(Trar, EncryptedMemberAsksForThePasswordAndFailsWithoutOne) {
  rarwriter::RarWriter writer;
  writer.addFile("SECRET.TXT", "s");
  writer.addFile("OPEN.TXT", "o");
  writer.markEncrypted(0);
  rar.ArchiveName = write(writer);
  EXPECT_FALSE(rar.Extract());
  EXPECT_EQ(log.errors, std::vector<int>{ERAR_MISSING_PASSWORD});
  EXPECT_FALSE(fs::exists(root / "dest" / "OPEN.TXT"));  // 22 ends the extraction

  std::vector<std::string> offered;
  rar.OnReqPassword = [&](TRAR&, const RARHeaderData& h, std::string& password) {
    offered.push_back(std::string(h.FileName) + "=" + password);
    password = "geheim";
  };
  log.errors.clear();
  EXPECT_FALSE(rar.Extract());
  EXPECT_EQ(offered, std::vector<std::string>{"SECRET.TXT="});
  ASSERT_EQ(log.errors.size(), 1u);
  EXPECT_NE(log.errors[0], ERAR_MISSING_PASSWORD);
}

TEST_F(Trar, DamagedHeaderIsReportedWithoutFailingTheResult) {
  rarwriter::RarWriter writer;
  writer.addFile("GOOD.TXT", "g");
  writer.addFile("LOST.TXT", "l");
  writer.breakHeaderCrc(1);
  rar.ArchiveName = write(writer);
  EXPECT_TRUE(rar.Extract());
  EXPECT_EQ(log.events.back(), "error 12");
  EXPECT_EQ(readFile(root / "dest" / "GOOD.TXT"), "g");
}

TEST_F(Trar, HandlerExceptionsLeaveExtractAndTheArchiveIsClosed) {
  rarwriter::RarWriter writer;
  writer.addFile("BIG.BIN", std::string(200000, 'x'));
  writer.addFile("NEXT.TXT", "n");
  rar.ArchiveName = write(writer);
  rar.OnProcessData = [](TRAR&, unsigned char*, int, int) -> int {
    throw std::runtime_error("handler failed");
  };
  EXPECT_THROW(rar.Extract(), std::runtime_error);
  EXPECT_FALSE(fs::exists(root / "dest" / "BIG.BIN"));
  // The component is usable again afterwards.
  rar.OnProcessData = nullptr;
  EXPECT_TRUE(rar.Extract());
  EXPECT_EQ(readFile(root / "dest" / "NEXT.TXT"), "n");
}

}  // namespace
