// The built libunrar.so, loaded by name and path the way a program loads it, and small helpers
// that walk an archive through its C interface.
#pragma once

#include <dlfcn.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "libs/unrar/unrar_entry_points.h"

namespace unrartest {

struct UnrarLibrary : UnrarEntryPoints {
  UnrarLibrary();
  ~UnrarLibrary();
  UnrarLibrary(const UnrarLibrary&) = delete;
  UnrarLibrary& operator=(const UnrarLibrary&) = delete;

  void* handle = nullptr;
};

// The one library instance of the test program.
UnrarLibrary& lib();

struct MemberResult {
  std::string name;
  unsigned flags = 0;
  unsigned unpackedSize = 0;
  int code = 0;  // what RARProcessFile returned
};

struct Walk {
  int openResult = 0;
  std::vector<MemberResult> members;
  int endCode = 0;  // what the last RARReadHeader returned
};

// Opens the archive, lets `prepare` set up the handle, applies the operation that
// `operationFor` picks for each member name (into `dest` when extracting) and closes it again.
Walk walk(const std::filesystem::path& archive, const std::filesystem::path& dest,
          const std::function<int(const std::string&)>& operationFor,
          const std::function<void(void*)>& prepare);
// The same operation for every member.
Walk walk(const std::filesystem::path& archive, int operation,
          const std::filesystem::path& dest = {}, const char* password = nullptr);

// The real archives shipped with the sources, and a fresh folder per test.
// Archives made by real RAR tools: they come with the team's shared test data beside the
// checkout ($QTP_TESTDATA_DIR/rar, else ../shared/testdata/rar), not with the sources.
std::filesystem::path realArchiveFolder();
std::filesystem::path realArchive(const std::string& name);

// Skips the calling test, saying where it looked, when the real archives are not there.
#define SKIP_WITHOUT_REAL_ARCHIVES()                                    \
  if (!std::filesystem::is_directory(::unrartest::realArchiveFolder())) \
  GTEST_SKIP() << "no archives made by real RAR tools in " << ::unrartest::realArchiveFolder()
std::filesystem::path freshFolder(const std::string& name);
std::string readFile(const std::filesystem::path& path);
// Every path below `root`, relative, sorted.
std::vector<std::string> treeOf(const std::filesystem::path& root);

}  // namespace unrartest
