// Fuzz target: the bytes as an archive file, opened through the library's C interface, listed
// and then tested member by member. Whatever they hold, every call ends with a code, names come
// back zero-terminated and a comment never claims more than its buffer.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/temp_folder.h"
#include "libs/unrar/unrar.h"

namespace {

// A member count no archive of the sizes fuzzed reaches; a loop beyond it is a fault.
constexpr int kMaxMembers = 1 << 20;

// The archive lies alone in a folder of its own, so that no other file passes for a volume.
const std::string& ArchivePath() {
  static const fuzzing::TempFolder folder("unrar");
  static const std::string path = folder.path() / "fuzz.rar";
  return path;
}

bool Terminated(const char* text, std::size_t size) {
  for (std::size_t i = 0; i < size; ++i)
    if (text[i] == '\0') return true;
  return false;
}

void Walk(unsigned int mode, int operation) {
  std::string name = ArchivePath();
  char comment[256];
  RAROpenArchiveData open{};
  open.ArcName = name.data();
  open.OpenMode = mode;
  open.CmtBuf = comment;
  open.CmtBufSize = sizeof comment;
  void* handle = RAROpenArchive(&open);
  if (handle == nullptr) return;
  if (open.CmtState == 1 &&
      (open.CmtSize == 0 || open.CmtSize > sizeof comment || comment[open.CmtSize - 1] != '\0'))
    std::abort();
  RARHeaderData header{};
  int members = 0;
  while (RARReadHeader(handle, &header) == ERAR_SUCCESS) {
    if (++members > kMaxMembers || !Terminated(header.FileName, sizeof header.FileName) ||
        !Terminated(header.ArcName, sizeof header.ArcName))
      std::abort();
    RARProcessFile(handle, operation, nullptr, nullptr);
  }
  if (RARCloseArchive(handle) != ERAR_SUCCESS) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::FILE* file = std::fopen(ArchivePath().c_str(), "wb");
  if (file == nullptr) std::abort();
  const bool written = std::fwrite(data, 1, size, file) == size;
  if (std::fclose(file) != 0 || !written) std::abort();
  Walk(RAR_OM_LIST, RAR_SKIP);
  Walk(RAR_OM_EXTRACT, RAR_TEST);
  return 0;
}
