// One open archive behind an interface handle: libarchive reads the members through the
// volume stream; this class fills the interface records, writes safely and checks the data.
#pragma once

#include <archive.h>

#include <memory>
#include <string>

#include "libs/unrar/unrar.h"
#include "libs/unrar/volume_stream.h"
#include "libs/unrar/windows_names.h"

namespace unrar {

class ArchiveSession {
 public:
  // Opens the archive that `data` names; the result code goes into data->OpenResult.
  static std::unique_ptr<ArchiveSession> open(RAROpenArchiveData& data);
  ~ArchiveSession();

  int readHeader(RARHeaderData& header);
  int processFile(int operation, const char* destPath, const char* destName);
  void setChangeVolumeProc(CHANGEVOLPROC proc) { stream_.setChangeVolumeProc(proc); }
  void setProcessDataProc(PROCESSDATAPROC proc) { processData_ = proc; }
  void setPassword(const char* password) { password_ = password ? password : ""; }

 private:
  ArchiveSession(std::string path, VolumeScan scan, unsigned openMode);
  bool startReader();
  int replayUpTo(std::size_t members);
  int failureCode(int fallback) const;
  int extractFile(const char* destPath, const char* destName);
  int extractFolder(const char* destPath, const char* destName);
  // Reads the current member's data, passing each block to `sink`, then checks it.
  template <typename Sink>
  int readData(Sink&& sink);

  VolumeStream stream_;
  unsigned openMode_;
  struct archive* reader_ = nullptr;
  struct archive_entry* entry_ = nullptr;
  std::size_t index_ = 0;  // members read so far
  bool pending_ = false;   // a header was read and not yet processed
  bool paired_ = false;    // our header of the current member is the one libarchive read
  bool mustReplay_ = false;
  int lastReadError_ = 0;
  PROCESSDATAPROC processData_ = nullptr;
  FolderNames folderNames_;
  std::string password_;
};

}  // namespace unrar
