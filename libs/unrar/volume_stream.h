// The bytes of all volumes of one archive, handed to libarchive as one stream. Volumes are
// opened one after another as the reader reaches them; each is scanned for its headers on the
// way, and the change-volume procedure is asked for a missing one and told of each change.
#pragma once

#include <archive.h>
#include <sys/types.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "libs/unrar/unrar.h"
#include "libs/unrar/volume_scan.h"

namespace unrar {

struct KnownMember {
  MemberInfo info;
  std::size_t volume = 0;  // where the member starts
};

class VolumeStream {
 public:
  VolumeStream(std::string firstPath, VolumeScan firstScan);

  void setChangeVolumeProc(CHANGEVOLPROC proc) { changeVolume_ = proc; }
  // While replaying after a failure the changes are not announced again.
  void setQuiet(bool quiet) { quiet_ = quiet; }
  // Back to the start of the first volume, for a fresh reader.
  bool restart();

  // The interface code of the last failure of the stream itself, 0 when there was none.
  int failure() const { return failure_; }
  const VolumeScan& firstScan() const { return firstScan_; }
  // The member at this position in archive order, null when its header was not readable.
  const KnownMember* member(std::size_t index) const;
  const std::string& volumeName(std::size_t volume) const { return volumes_[volume]; }

  // Hooks this stream into a libarchive reader that is not opened yet.
  void attach(struct archive* reader);

 private:
  static la_ssize_t readCallback(struct archive* reader, void* self, const void** buffer);
  static la_int64_t skipCallback(struct archive* reader, void* self, la_int64_t request);
  la_ssize_t read(struct archive* reader, const void** buffer);
  la_int64_t skip(la_int64_t request);

  bool openVolume(const std::string& path, VolumeScan scan);
  bool openNextVolume(struct archive* reader);
  bool fail(struct archive* reader, int code, const char* why);
  void learnMembers(const VolumeScan& scan);

  std::string firstPath_;
  VolumeScan firstScan_;
  VolumeScan scan_;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file_{nullptr, &std::fclose};
  std::uint64_t position_ = 0;
  std::uint64_t limit_ = 0;
  std::size_t volume_ = 0;
  std::vector<std::string> volumes_;
  std::vector<std::pair<dev_t, ino_t>> identities_;  // of the volumes, to refuse one twice
  std::vector<KnownMember> members_;
  std::size_t readableMembers_ = SIZE_MAX;
  std::vector<unsigned char> buffer_;
  CHANGEVOLPROC changeVolume_ = nullptr;
  bool quiet_ = false;
  int failure_ = 0;
};

}  // namespace unrar
