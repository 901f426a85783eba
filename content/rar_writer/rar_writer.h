// Writes RAR 4.x archives with the store method: files, folders and links, an archive comment,
// several volumes, and on request deliberate faults for tests of the reading side.
#pragma once

#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace rarwriter {

// 1 January 2000, 00:00, as a DOS date and time.
inline constexpr std::uint32_t kDefaultDosTime = (20u << 25) | (1u << 21) | (1u << 16);

class RarWriter {
 public:
  // Names are stored as given; '\' separates folders. Names outside ASCII are UTF-8 and are
  // stored in RAR's Unicode form.
  void addFile(std::string name, std::string data, std::uint32_t dosTime = kDefaultDosTime);
  // A file as a Unix host stores it: its permission bits `mode` (up to 07777, setuid and the
  // like included, as such hosts write them) instead of Windows attributes. Throws
  // std::invalid_argument for bits beyond 07777.
  void addUnixFile(std::string name, std::string data, std::uint32_t mode,
                   std::uint32_t dosTime = kDefaultDosTime);
  void addFolder(std::string name, std::uint32_t dosTime = kDefaultDosTime);
  // A Unix symbolic link whose data is its target.
  void addSymlink(std::string name, std::string target);

  void setComment(std::string comment) { comment_ = std::move(comment); }
  // With a size, the archive is cut into volumes of at most that many bytes, members split
  // across them; 0 writes one file.
  void setVolumeSize(std::uint64_t bytes) { volumeSize_ = bytes; }

  // Faults, by member position (in the order added).
  void flipDataByte(std::size_t member, std::size_t offset = 0);
  void breakHeaderCrc(std::size_t member) { badHeaderCrc_.insert(member); }
  void markEncrypted(std::size_t member) { encrypted_.insert(member); }
  void omitEndBlock() { endBlock_ = false; }

  std::size_t memberCount() const { return members_.size(); }

  // The archive's bytes, one string per volume.
  std::vector<std::string> build() const;
  // Writes the archive to `path`; volumes go to "<stem>.part<N>.rar" beside it. Returns the
  // files written, first volume first. Throws std::runtime_error when a file cannot be written
  // and std::invalid_argument for a name or volume size that cannot be stored.
  std::vector<std::filesystem::path> write(const std::filesystem::path& path) const;

 private:
  struct Member {
    std::string name;
    std::string data;
    std::uint16_t flags = 0;
    std::uint8_t hostOs = 0;
    std::uint32_t attributes = 0;
    std::uint32_t dosTime = 0;
  };
  struct Flip {
    std::size_t member;
    std::size_t offset;
  };
  class Layout;

  std::vector<Member> members_;
  std::string comment_;
  std::uint64_t volumeSize_ = 0;
  std::vector<Flip> flips_;
  std::set<std::size_t> badHeaderCrc_;
  std::set<std::size_t> encrypted_;
  bool endBlock_ = true;
};

// The stored form of a name: ASCII as it is; otherwise a plain fallback, a zero byte and the
// UTF-16 text in RAR's encoding. Sets `unicode` when the second form was used.
std::string encodeName(const std::string& utf8, bool& unicode);

}  // namespace rarwriter
