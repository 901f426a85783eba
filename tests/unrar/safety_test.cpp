// Nothing an archive holds may land outside the destination, and a member whose data fails its
// check leaves nothing behind.
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <fstream>

#include <gtest/gtest.h>

#include "content/rar_writer/rar_writer.h"
#include "tests/unrar/unrar_library.h"

namespace unrartest {
namespace {

namespace fs = std::filesystem;

struct Sandbox {
  fs::path root = freshFolder("sandbox");
  fs::path dest = root / "dest";
  fs::path archive = root / "in.rar";
  Sandbox() { fs::create_directories(dest); }
  // Everything in the sandbox apart from the archive and the destination's own contents.
  std::vector<std::string> outside() const {
    std::vector<std::string> found;
    for (const auto& p : treeOf(root))
      if (p != "in.rar" && p != "dest" && p.rfind("dest/", 0) != 0) found.push_back(p);
    return found;
  }
};

TEST(Safety, NamesThatClimbOutOrAreAbsoluteAreRefusedOneByOne) {
  Sandbox box;
  rarwriter::RarWriter writer;
  const std::vector<std::string> hostile = {"..\\..\\evil", "../evil2", "a\\..\\..\\evil3", "/abs",
                                            "\\rooted", "C:\\x", "c:evil4", "dir\\..\\..\\evil5",
                                            // Windows refuses control characters in names.
                                            "evil\x01", "tab\tevil6", "evil7\x7F"};
  for (const auto& name : hostile) writer.addFile(name, "bad");
  writer.addFile("GOOD\\ok.txt", "good");
  writer.addFile(".\\dot\\.\\fine.txt", "fine");
  writer.write(box.archive);

  const Walk w = walk(box.archive, RAR_EXTRACT, box.dest);
  ASSERT_EQ(w.members.size(), hostile.size() + 2);
  for (std::size_t i = 0; i < hostile.size(); ++i)
    EXPECT_EQ(w.members[i].code, ERAR_ECREATE) << hostile[i];
  EXPECT_EQ(w.members[hostile.size()].code, 0);
  EXPECT_EQ(w.members[hostile.size() + 1].code, 0);
  EXPECT_EQ(readFile(box.dest / "GOOD" / "ok.txt"), "good");
  EXPECT_EQ(readFile(box.dest / "dot" / "fine.txt"), "fine");
  EXPECT_TRUE(box.outside().empty());
  EXPECT_FALSE(fs::exists("/abs"));
  for (const auto& p : treeOf(box.dest)) EXPECT_EQ(p.find("evil"), std::string::npos) << p;
}

TEST(Safety, SymlinkMembersAreRefusedSoNothingIsWrittenThroughThem) {
  Sandbox box;
  rarwriter::RarWriter writer;
  writer.addSymlink("link", "..");
  writer.addFile("link\\escaped.txt", "bad");
  writer.addSymlink("file-link", "../victim.txt");
  writer.write(box.archive);

  const Walk w = walk(box.archive, RAR_EXTRACT, box.dest);
  ASSERT_EQ(w.members.size(), 3u);
  EXPECT_EQ(w.members[0].code, ERAR_ECREATE);
  EXPECT_EQ(w.members[1].code, 0);  // "link" is an ordinary folder, as no link was made
  EXPECT_EQ(w.members[2].code, ERAR_ECREATE);
  EXPECT_TRUE(fs::is_directory(fs::symlink_status(box.dest / "link")));
  EXPECT_FALSE(fs::exists(fs::symlink_status(box.dest / "file-link")));
  EXPECT_TRUE(box.outside().empty());
}

TEST(Safety, ExistingLinksInTheDestinationAreNeverWrittenThrough) {
  Sandbox box;
  fs::create_directories(box.root / "elsewhere");
  fs::create_directory_symlink(box.root / "elsewhere", box.dest / "sub");
  fs::create_symlink(box.root / "victim.txt", box.dest / "target.txt");
  rarwriter::RarWriter writer;
  writer.addFile("sub\\planted.txt", "bad");
  writer.addFile("target.txt", "bad");
  writer.addFolder("sub\\deeper");
  // The links found under other letter cases are links all the same.
  writer.addFile("SUB\\planted.txt", "bad");
  writer.addFolder("Sub\\deeper");
  writer.addFile("TARGET.TXT", "bad");
  writer.addFile("fine.txt", "fine");
  writer.write(box.archive);

  const Walk w = walk(box.archive, RAR_EXTRACT, box.dest);
  ASSERT_EQ(w.members.size(), 7u);
  for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(w.members[i].code, ERAR_ECREATE) << i;
  EXPECT_EQ(w.members[6].code, 0);
  EXPECT_TRUE(treeOf(box.root / "elsewhere").empty());
  EXPECT_FALSE(fs::exists(box.root / "victim.txt"));
  EXPECT_TRUE(fs::is_symlink(box.dest / "target.txt"));
  EXPECT_TRUE(fs::is_symlink(box.dest / "sub"));
  EXPECT_FALSE(fs::exists(fs::symlink_status(box.dest / "TARGET.TXT")));
  EXPECT_FALSE(fs::exists(fs::symlink_status(box.dest / "SUB")));
}

TEST(Safety, FlippedByteInAStoredMemberIsBadDataAndLeavesNoFile) {
  Sandbox box;
  rarwriter::RarWriter writer;
  writer.addFile("first.bin", std::string(100000, 'x'));
  writer.addFile("second.txt", "still here");
  writer.flipDataByte(0, 77777);
  writer.write(box.archive);

  const Walk w = walk(box.archive, RAR_EXTRACT, box.dest);
  ASSERT_EQ(w.members.size(), 2u);
  EXPECT_EQ(w.members[0].code, ERAR_BAD_DATA);
  EXPECT_EQ(w.members[1].code, 0);
  EXPECT_EQ(treeOf(box.dest), std::vector<std::string>{"second.txt"});

  // An older copy of the member stays as it was.
  std::ofstream(box.dest / "first.bin") << "older";
  walk(box.archive, RAR_EXTRACT, box.dest);
  EXPECT_EQ(readFile(box.dest / "first.bin"), "older");
  EXPECT_EQ(walk(box.archive, RAR_TEST).members[0].code, ERAR_BAD_DATA);
}

TEST(Safety, ReadOnlyDestinationGivesCreateErrorsForEveryMember) {
  Sandbox box;
  rarwriter::RarWriter writer;
  writer.addFile("a.txt", "a");
  writer.addFile("sub\\b.txt", "b");
  writer.write(box.archive);
  // A destination that is a file cannot take members, whoever runs the test.
  std::ofstream(box.root / "plain-file") << "x";
  Walk w = walk(box.archive, RAR_EXTRACT, box.root / "plain-file");
  ASSERT_EQ(w.members.size(), 2u);
  EXPECT_EQ(w.members[0].code, ERAR_ECREATE);
  EXPECT_EQ(w.members[1].code, ERAR_ECREATE);
  EXPECT_EQ(readFile(box.root / "plain-file"), "x");

  if (::geteuid() == 0) GTEST_SKIP() << "folder permissions do not bind root";
  fs::permissions(box.dest, fs::perms::owner_read | fs::perms::owner_exec);
  w = walk(box.archive, RAR_EXTRACT, box.dest);
  fs::permissions(box.dest, fs::perms::owner_all);
  ASSERT_EQ(w.members.size(), 2u);
  EXPECT_EQ(w.members[0].code, ERAR_ECREATE);
  EXPECT_EQ(w.members[1].code, ERAR_ECREATE);
  EXPECT_TRUE(treeOf(box.dest).empty());
}

TEST(Safety, FullDiskIsAWriteErrorAndLeavesNoPartialFile) {
  Sandbox box;
  rarwriter::RarWriter writer;
  writer.addFile("huge.bin", std::string(300000, 'h'));
  writer.addFile("tiny.txt", "t");
  writer.write(box.archive);
  // A file-size limit stands in for a full disk: writes beyond it fail with an error.
  struct rlimit old {};
  ::getrlimit(RLIMIT_FSIZE, &old);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old;
  small.rlim_cur = 100000;
  ::setrlimit(RLIMIT_FSIZE, &small);
  const Walk w = walk(box.archive, RAR_EXTRACT, box.dest);
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  ASSERT_EQ(w.members.size(), 2u);
  EXPECT_EQ(w.members[0].code, ERAR_EWRITE);
  EXPECT_EQ(w.members[1].code, 0);
  EXPECT_EQ(treeOf(box.dest), std::vector<std::string>{"tiny.txt"});
}

}  // namespace
}  // namespace unrartest
