// Members meet the destination as Windows would meet them: a folder or file that exists in
// another letter case is the one used.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <ctime>
#include <fstream>

#include "content/rar_writer/rar_writer.h"
#include "libs/unrar/windows_names.h"
#include "tests/unrar/unrar_library.h"

namespace unrartest {
namespace {

namespace fs = std::filesystem;

struct Destination {
  fs::path root = freshFolder("case");
  fs::path dest = root / "dest";
  fs::path archive = root / "in.rar";
  Destination() { fs::create_directories(dest); }
  void put(const fs::path& relative, const std::string& text) const {
    fs::create_directories((dest / relative).parent_path());
    std::ofstream(dest / relative) << text;
  }
};

TEST(WindowsNames, LetterCaseIsIgnoredButNothingElse) {
  using unrar::sameNameIgnoringCase;
  EXPECT_TRUE(sameNameIgnoringCase("Norvane", "NORVANE"));
  EXPECT_TRUE(sameNameIgnoringCase("readme.txt", "README.TXT"));
  EXPECT_FALSE(sameNameIgnoringCase("readme.txt", "readme.txt "));
  EXPECT_FALSE(sameNameIgnoringCase("readme", "readmf"));
  // Characters beyond ASCII: umlauts and the Greek sigma forms upper-case alike.
  EXPECT_TRUE(sameNameIgnoringCase("Ärger-öl", "äRGER-ÖL"));
  EXPECT_TRUE(sameNameIgnoringCase("σ", "ς"));
  EXPECT_FALSE(sameNameIgnoringCase("Ä", "A"));
  EXPECT_FALSE(sameNameIgnoringCase("STRASSE", "Straße"));
  // Bytes that are not UTF-8 match only themselves.
  EXPECT_TRUE(sameNameIgnoringCase("a\xff", "A\xff"));
  EXPECT_FALSE(sameNameIgnoringCase("a\xff", "a\xfe"));
  EXPECT_FALSE(sameNameIgnoringCase("\xc3", "\xc3\xa4"));
  EXPECT_FALSE(sameNameIgnoringCase("\xc3\x84", "\xc3"));
}

TEST(WindowsNames, AListingKeptAcrossLookupsFollowsChangesMadeByOthers) {
  const fs::path folder = freshFolder("names");
  std::ofstream(folder / "Alpha.txt") << "a";
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  ASSERT_GE(fd, 0);
  unrar::FolderNames names;
  EXPECT_EQ(names.existingName(fd, "ALPHA.TXT"), "Alpha.txt");
  EXPECT_EQ(names.existingName(fd, "beta.txt"), "beta.txt");

  // Someone else adds a file; the folder's time moves on as it would a moment later.
  std::ofstream(folder / "BETA.TXT") << "b";
  const struct timespec later[2] = {{0, UTIME_OMIT}, {::time(nullptr) + 60, 0}};
  ASSERT_EQ(::futimens(fd, later), 0);
  EXPECT_EQ(names.existingName(fd, "beta.txt"), "BETA.TXT");

  // A removed entry is never handed out, even before the folder's time shows the change.
  fs::remove(folder / "Alpha.txt");
  ASSERT_EQ(::futimens(fd, later), 0);
  EXPECT_EQ(names.existingName(fd, "alpha.TXT"), "alpha.TXT");
  ::close(fd);
}

TEST(WindowsView, MembersGoIntoTheFolderThatExistsInAnotherCase) {
  Destination d;
  d.put("NORVANE/AZ/old.bgl", "old");
  rarwriter::RarWriter writer;
  writer.addFolder("Norvane\\Az");
  writer.addFile("Norvane\\AZ\\Scenery\\x.bgl", "scenery");
  writer.addFile("norvane\\az\\SCENERY\\y.bgl", "more");
  writer.write(d.archive);

  const Walk w = walk(d.archive, RAR_EXTRACT, d.dest);
  ASSERT_EQ(w.members.size(), 3u);
  for (const auto& m : w.members) EXPECT_EQ(m.code, 0) << m.name;
  EXPECT_EQ(treeOf(d.dest),
            (std::vector<std::string>{"NORVANE", "NORVANE/AZ", "NORVANE/AZ/Scenery",
                                      "NORVANE/AZ/Scenery/x.bgl", "NORVANE/AZ/Scenery/y.bgl",
                                      "NORVANE/AZ/old.bgl"}));
  EXPECT_EQ(readFile(d.dest / "NORVANE/AZ/Scenery/y.bgl"), "more");
}

TEST(WindowsView, AFileReplacedInAnotherCaseKeepsItsExistingName) {
  Destination d;
  d.put("README.TXT", "old");
  d.put("Ärger.txt", "alt");
  rarwriter::RarWriter writer;
  writer.addFile("readme.txt", "new");
  writer.addFile("äRGER.TXT", "neu");
  writer.write(d.archive);

  const Walk w = walk(d.archive, RAR_EXTRACT, d.dest);
  ASSERT_EQ(w.members.size(), 2u);
  EXPECT_EQ(w.members[0].code, 0);
  EXPECT_EQ(w.members[1].code, 0);
  EXPECT_EQ(treeOf(d.dest), (std::vector<std::string>{"README.TXT", "Ärger.txt"}));
  EXPECT_EQ(readFile(d.dest / "README.TXT"), "new");
  EXPECT_EQ(readFile(d.dest / "Ärger.txt"), "neu");
}

TEST(WindowsView, AnExactMatchWinsOverCaseVariantsAndOtherwiseTheFirstInByteOrder) {
  Destination d;
  d.put("Data/keep.txt", "data");
  d.put("DATA/keep.txt", "DATA");
  d.put("data/keep.txt", "lower");
  d.put("Readme.txt", "mixed");
  d.put("README.TXT", "upper");
  rarwriter::RarWriter writer;
  writer.addFile("Data\\new.txt", "exact");
  writer.addFile("dATA\\other.txt", "first");
  writer.addFile("Readme.txt", "replaced");
  writer.addFile("readme.TXT", "first file");
  writer.write(d.archive);

  const Walk w = walk(d.archive, RAR_EXTRACT, d.dest);
  ASSERT_EQ(w.members.size(), 4u);
  for (const auto& m : w.members) EXPECT_EQ(m.code, 0) << m.name;
  EXPECT_EQ(readFile(d.dest / "Data/new.txt"), "exact");
  EXPECT_EQ(readFile(d.dest / "DATA/other.txt"), "first");
  EXPECT_EQ(readFile(d.dest / "Readme.txt"), "replaced");
  EXPECT_EQ(readFile(d.dest / "README.TXT"), "first file");
  EXPECT_EQ(treeOf(d.dest).size(), 10u) << "no new names beside the existing ones";
}

TEST(WindowsView, AFileInTheWayOfAFolderInAnotherCaseIsACreateErrorAndStays) {
  Destination d;
  d.put("norvane", "a file");
  d.put("folder.txt/inner.txt", "in a folder");
  rarwriter::RarWriter writer;
  writer.addFile("NORVANE\\x.bgl", "x");
  writer.addFile("FOLDER.TXT", "cannot replace a folder");
  writer.write(d.archive);

  const Walk w = walk(d.archive, RAR_EXTRACT, d.dest);
  ASSERT_EQ(w.members.size(), 2u);
  EXPECT_EQ(w.members[0].code, ERAR_ECREATE);
  EXPECT_EQ(w.members[1].code, ERAR_ECREATE);
  EXPECT_EQ(readFile(d.dest / "norvane"), "a file");
  EXPECT_EQ(treeOf(d.dest),
            (std::vector<std::string>{"folder.txt", "folder.txt/inner.txt", "norvane"}));
}

}  // namespace
}  // namespace unrartest
