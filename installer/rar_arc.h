// TRAR: the archive component. It extracts RAR archives member by member through the UnRAR
// library, which it loads by name when it is created, and reports through its events.
#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <set>
#include <string>

#include "libs/unrar/unrar_entry_points.h"

// Member names compare without regard to case, as the archive's own file system does.
struct CaseInsensitiveLess {
  bool operator()(const std::string& a, const std::string& b) const {
    return QString::fromUtf8(a).compare(QString::fromUtf8(b), Qt::CaseInsensitive) < 0;
  }
};
using TSortedStrings = std::set<std::string, CaseInsensitiveLess>;

// The comment as the library reported it: its size, then the buffer it wrote the text into.
struct TComment {
  std::int32_t Count = 0;
  char Buffer[65536] = {};
};

inline constexpr int kRarLibraryNotLoaded = 50;
inline constexpr int kRarNoArchiveName = 13;
inline constexpr const char* kUnrarLibraryName = "libunrar.so";

class TRAR : public QObject {
 public:
  // Loads the library through the ordinary library search; tests may name another one.
  explicit TRAR(QObject* owner = nullptr, const char* libraryName = kUnrarLibraryName);
  ~TRAR() override;
  TRAR(const TRAR&) = delete;
  TRAR& operator=(const TRAR&) = delete;

  // Extracts ArchiveName into TargetDir; true when no member failed.
  bool Extract();

  bool LoadedDLL() const { return loaded_; }

  std::string ArchiveName;
  TSortedStrings FilesToExtract;  // empty: every member
  TSortedStrings FilesToTest;     // kept; extraction does not use it
  std::string TargetDir;          // empty: the library's current folder
  bool Stop = false;              // honoured (and cleared) before the next member

  std::function<int(TRAR& sender, unsigned char* Addr, int BlockSize, int Position)> OnProcessData;
  std::function<int(TRAR& sender, char* ArcName, int Mode)> OnVolumeChange;
  std::function<void(TRAR& sender, int Error)> OnError;
  std::function<void(TRAR& sender, const TComment& Comment)> OnComment;
  std::function<void(TRAR& sender, const RARHeaderData& ListedFile)> OnListFile;
  std::function<void(TRAR& sender, const RARHeaderData& eFile)> OnExtracting;
  std::function<void(TRAR& sender, const RARHeaderData& eFile, bool Result)> OnExtract;
  std::function<void(TRAR& sender, const RARHeaderData& eFile)> OnTesting;
  std::function<void(TRAR& sender, const RARHeaderData& eFile, bool Result)> OnTested;
  std::function<void(TRAR& sender, const RARHeaderData& eFile, std::string& Password)>
      OnReqPassword;

 private:
  class OpenArchive;

  static int volumeCallback(char* arcName, int mode);
  static int dataCallback(unsigned char* addr, int size);
  bool extractMembers(OpenArchive& archive);
  void raiseError(int code);
  // Runs a handler from inside the library; what it throws is kept and rethrown afterwards.
  int fromLibrary(const std::function<int()>& handler);
  void rethrowFromLibrary();

  void* library_ = nullptr;
  UnrarEntryPoints api_;
  bool loaded_ = false;
  std::int32_t position_ = 0;  // bytes of the current member so far
  std::unique_ptr<TComment> comment_;
  std::exception_ptr pendingException_;
};
