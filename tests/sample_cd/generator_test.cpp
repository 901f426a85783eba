// The CD generator itself: archives counted with their folder entries, the CD replaced only
// when a new one is complete, the same bytes on every build, and the pages' files in their forms.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "archive_tree.h"
#include "cd_fixture.h"
#include "sample_cd.h"
#include "shell/jpeg_image.h"

namespace {

namespace fs = std::filesystem;

TEST(ArchiveTree, StoresEachFolderOnceWhateverItsLetterCase) {
  samplecd::ArchiveTree tree;
  tree.addFile("Aircraft\\Norvane\\aircraft.cfg", "x");
  EXPECT_EQ(tree.memberCount(), 3u);
  tree.addFile("AIRCRAFT\\norvane\\panel\\panel.cfg", "y");
  EXPECT_EQ(tree.memberCount(), 5u);
  tree.addFolder("Aircraft\\Norvane\\panel");
  EXPECT_EQ(tree.memberCount(), 5u);
  tree.addFile("top.txt", "z");
  EXPECT_EQ(tree.memberCount(), 6u);
}

TEST(ArchiveTree, FillsUpToAnExactCountAndRefusesToOvershoot) {
  samplecd::ArchiveTree tree;
  tree.addFile("a\\b.txt", "");
  tree.fillTo(10, [](int i) { return std::pair{"a\\t\\" + std::to_string(i), std::string("d")}; });
  EXPECT_EQ(tree.memberCount(), 10u);  // the new folder a\t counts as one of them
  EXPECT_THROW(tree.fillTo(5,
                           [](int) {
                             return std::pair{std::string("n"), std::string()};
                           }),
               std::logic_error);
  // One free place, but the next file would bring a new folder with it.
  EXPECT_THROW(tree.fillTo(11,
                           [](int i) {
                             return std::pair{"new\\" + std::to_string(i), std::string()};
                           }),
               std::logic_error);
}

TEST(ArchiveTree, WritesAnArchiveTheComponentReadsWithEveryMember) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const fs::path root = folder.path().toStdString();
  samplecd::ArchiveTree tree;
  tree.addFile("Gauges\\a.gau", "module");
  tree.addFile("Gauges\\Sub\\b.txt", "text");
  tree.write(root / "T.RAR");
  const auto result = cdtest::extract(root, "T.RAR", root / "out");
  EXPECT_TRUE(result.result);
  EXPECT_EQ(result.members, 4);
  EXPECT_EQ(cdtest::readFile(root / "out" / "Gauges" / "Sub" / "b.txt"), "text");
}

void ensureGuiApp() {
  static int argc = 1;
  static char name[] = "sample_cd_tests";
  static char* argv[] = {name, nullptr};
  if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);
}

TEST(SampleCd, AFailedGenerationLeavesThePreviousCdAsItWas) {
  ensureGuiApp();
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const fs::path cd = fs::path(folder.path().toStdString()) / "cd";
  fs::create_directories(cd);
  std::ofstream(cd / "OLD.TXT") << "earlier CD";
  std::string why;
  EXPECT_FALSE(
      samplecd::writeSampleCd(cd, {fs::path(folder.path().toStdString()) / "none.gau"}, &why));
  EXPECT_NE(why.find("none.gau"), std::string::npos) << why;
  EXPECT_EQ(cdtest::readFile(cd / "OLD.TXT"), "earlier CD");
  EXPECT_FALSE(fs::exists(cd.string() + ".partial"));
}

TEST(SampleCd, EveryGenerationWritesTheSameBytes) {
  ensureGuiApp();
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const fs::path root = folder.path().toStdString();
  const samplecd::SampleCdInputs inputs{NOR_NV36_PATH};
  std::string why;
  ASSERT_TRUE(samplecd::writeSampleCd(root / "first", inputs, &why)) << why;
  ASSERT_TRUE(samplecd::writeSampleCd(root / "second", inputs, &why)) << why;
  const auto first = cdtest::snapshot(root / "first");
  EXPECT_GT(first.size(), 80u);
  EXPECT_TRUE(first == cdtest::snapshot(root / "second"));
  // Made again in place: the old CD goes, the new one is complete.
  ASSERT_TRUE(samplecd::writeSampleCd(root / "first", inputs, &why)) << why;
  EXPECT_TRUE(first == cdtest::snapshot(root / "first"));
  EXPECT_FALSE(fs::exists(root / "first.previous"));
}

std::uint32_t le32(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i)
    value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes.at(at + i))) << (8 * i);
  return value;
}

TEST(SampleCdPages, GalleryAndAircraftPicturesDecodeAndTheirTextsHaveEverySection) {
  const fs::path ui = cdtest::builtCd() / "UIRES";
  const char* gallery[] = {"F33QTP00",   "F33QTP01",  "F33QTP02",  "F33QTP03",  "F33QTP04",
                           "F33QTP05",   "PA28QTP00", "PA28QTP01", "PA28QTP02", "PA28QTP03",
                           "SIM00",      "SIM01",     "SIM02",     "SIM03",     "SIM04",
                           "TRAINING00", "LIVING00",  "LIVING02"};
  for (const char* base : gallery) {
    for (const fs::path& file : {ui / "GALERIA" / (std::string(base) + ".JPG"),
                                 ui / "GALERIA" / "PREV" / (std::string(base) + ".JPG")}) {
      QString why;
      EXPECT_FALSE(LoadJpegFile(QString::fromStdString(file.string()), &why).isNull())
          << file << " " << why.toStdString();
    }
  }
  // A header counts in any letter case.
  const std::string descriptions =
      QString::fromStdString(cdtest::readFile(ui / "GALERIA" / "GALERIA.TXT"))
          .toUpper()
          .toStdString();
  for (int n = 1; n <= 18; ++n)
    EXPECT_NE(descriptions.find("[IMAGE " + std::to_string(n) + "]\r\n"), std::string::npos) << n;

  for (const char* base :
       {"PA28_00", "PA28COC_pp00_goodyear", "PA28plane_01", "PA28COC_pp02_goodyear", "F33A_03",
        "F33Acoc_06", "A36plane_00", "A36COC_02"}) {
    EXPECT_FALSE(LoadJpegFile(QString::fromStdString(
                                  (ui / "PLANES" / "PREV" / (std::string(base) + ".JPG")).string()))
                     .isNull())
        << base;
    EXPECT_EQ(LoadJpegFile(
                  QString::fromStdString((ui / "PLANES" / (std::string(base) + ".JPG")).string()))
                  .size(),
              QSize(640, 480))
        << base;
  }
  // Headers count in any letter case.
  const QByteArray planes =
      QByteArray::fromStdString(cdtest::readFile(ui / "PLANES" / "PLANES.TXT")).toUpper();
  for (int n = 1; n <= 4; ++n)
    EXPECT_TRUE(planes.contains("[SIM " + QByteArray::number(n) + "]\r\n")) << n;
  for (const char* scenery : {"SCENERYAZ01", "SCENERYAZ02"})
    EXPECT_FALSE(LoadJpegFile(QString::fromStdString(
                                  (ui / "SCENERY" / (std::string(scenery) + ".JPG")).string()))
                     .isNull())
        << scenery;
  EXPECT_NE(cdtest::readFile(ui / "QTP_FAQ.HTM").find("<html"), std::string::npos);
}

TEST(SampleCdPages, TheVideoIsARiffAviWithItsFramesIndexed) {
  const std::string video = cdtest::readFile(cdtest::builtCd() / "UIRES/GALERIA/QTP_D2.AVI");
  ASSERT_GT(video.size(), 200u);
  EXPECT_EQ(video.substr(0, 4), "RIFF");
  EXPECT_EQ(le32(video, 4), video.size() - 8);
  EXPECT_EQ(video.substr(8, 4), "AVI ");
  const auto avih = video.find("avih");
  ASSERT_NE(avih, std::string::npos);
  const std::uint32_t frames = le32(video, avih + 8 + 16);
  EXPECT_GT(frames, 0u);
  const auto index = video.rfind("idx1");
  ASSERT_NE(index, std::string::npos);
  EXPECT_EQ(le32(video, index + 4), frames * 16);
  EXPECT_EQ(index + 8 + frames * 16, video.size());
}

}  // namespace
