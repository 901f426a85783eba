#include "tests/unrar/unrar_library.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace unrartest {
namespace {}  // namespace

UnrarLibrary::UnrarLibrary() {
  const char* binaryDir = std::getenv("QTP_BINARY_DIR");
  const std::string path = std::string(binaryDir ? binaryDir : ".") + "/lib/libunrar.so";
  handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) throw std::runtime_error("cannot load " + path);
  if (!bind(handle)) throw std::runtime_error("missing entry point in " + path);
}

UnrarLibrary::~UnrarLibrary() {
  dlclose(handle);
}

UnrarLibrary& lib() {
  static UnrarLibrary library;
  return library;
}

Walk walk(const std::filesystem::path& archive, const std::filesystem::path& dest,
          const std::function<int(const std::string&)>& operationFor,
          const std::function<void(void*)>& prepare) {
  Walk result;
  std::string name = archive.string();
  RAROpenArchiveData data{};
  data.ArcName = name.data();
  data.OpenMode = RAR_OM_EXTRACT;
  void* handle = lib().open(&data);
  result.openResult = static_cast<int>(data.OpenResult);
  if (handle == nullptr) return result;
  if (prepare) prepare(handle);
  std::string destPath = dest.string();
  RARHeaderData header{};
  while ((result.endCode = lib().readHeader(handle, &header)) == 0) {
    const int code = lib().processFile(handle, operationFor(header.FileName),
                                       destPath.empty() ? nullptr : destPath.data(), nullptr);
    result.members.push_back({header.FileName, header.Flags, header.UnpSize, code});
  }
  lib().close(handle);
  return result;
}

Walk walk(const std::filesystem::path& archive, int operation, const std::filesystem::path& dest,
          const char* password) {
  return walk(
      archive, dest, [operation](const std::string&) { return operation; },
      [password](void* handle) {
        if (password != nullptr) lib().setPassword(handle, const_cast<char*>(password));
      });
}

std::filesystem::path realArchiveFolder() {
  if (const char* testData = std::getenv("QTP_TESTDATA_DIR"))
    return std::filesystem::path(testData) / "rar";
  const char* sourceDir = std::getenv("QTP_SOURCE_DIR");
  return std::filesystem::path(sourceDir ? sourceDir : ".") / ".." / "shared" / "testdata" / "rar";
}

std::filesystem::path realArchive(const std::string& name) {
  return realArchiveFolder() / name;
}

std::filesystem::path freshFolder(const std::string& name) {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  const std::filesystem::path root =
      std::filesystem::temp_directory_path() / ("qtp-unrar-" + std::to_string(::getpid())) /
      (std::string(info->test_suite_name()) + "." + info->name()) / name;
  std::filesystem::remove_all(root);
  std::filesystem::create_directories(root);
  return root;
}

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

std::vector<std::string> treeOf(const std::filesystem::path& root) {
  std::vector<std::string> paths;
  if (!std::filesystem::exists(root)) return paths;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
    paths.push_back(std::filesystem::relative(entry.path(), root).string());
  std::sort(paths.begin(), paths.end());
  return paths;
}

}  // namespace unrartest

namespace {

// Removes the folders the tests made once all have run.
class TemporaryFolders : public ::testing::Environment {
 public:
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(
        std::filesystem::temp_directory_path() / ("qtp-unrar-" + std::to_string(::getpid())),
        ignored);
  }
};

[[maybe_unused]] auto* const kTemporaryFolders =
    ::testing::AddGlobalTestEnvironment(new TemporaryFolders);

}  // namespace
