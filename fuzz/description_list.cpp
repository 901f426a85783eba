// Fuzz target: the bytes as GALERIA.TXT and as PLANES.TXT on the CD drive of a prefix, read as
// the gallery and the aircraft page read them, then every section they ask for. A section holds
// lines of the file only, so never more lines than the file has.
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "fuzz/temp_folder.h"
#include "pages/description_list.h"
#include "platform/prefix.h"

namespace {

namespace fs = std::filesystem;

const fs::path& CdFolder() {
  static const fuzzing::TempFolder folder("description-list");
  static const fs::path cd = [] {
    // The program log goes where the tests' logs go: not into the real home.
    ::setenv("XDG_STATE_HOME", (folder.path() / "state").c_str(), 1);
    const fs::path prefix = folder.path() / "prefix";
    if (!platform::openPrefix(prefix)) std::abort();
    fs::create_directory(folder.path() / "cd");
    fs::create_directory_symlink(folder.path() / "cd", prefix / "dosdevices" / "d:");
    return folder.path() / "cd";
  }();
  return cd;
}

qsizetype LineCount(const std::uint8_t* data, std::size_t size) {
  qsizetype lines = 1;
  for (std::size_t i = 0; i < size; ++i) lines += data[i] == '\n' || data[i] == '\r';
  return lines;
}

void ReadSections(const char* fileName, const char* headerWord, qsizetype lines) {
  TDescriptionList list{QString::fromLatin1(headerWord)};
  list.readOnce(QStringLiteral("D:\\") + QString::fromLatin1(fileName));
  for (int n = 0; n <= 20; ++n)
    if (list.section(n).size() >= lines) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const char* files[][2] = {{"GALERIA.TXT", "IMAGE"}, {"PLANES.TXT", "SIM"}};
  for (const auto& [fileName, headerWord] : files) {
    std::ofstream out(CdFolder() / fileName, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    if (!out) std::abort();
    ReadSections(fileName, headerWord, LineCount(data, size));
  }
  return 0;
}
