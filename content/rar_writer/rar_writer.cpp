#include "content/rar_writer/rar_writer.h"

#include <cstdio>
#include <fstream>
#include <limits>
#include <stdexcept>

#include "libs/unrar/rar4_format.h"

namespace rarwriter {

// Fills volumes one after another; each begins with the signature and a main header and ends
// with an end block that says whether another volume follows.
class RarWriter::Layout {
 public:
  Layout(std::uint64_t volumeSize, bool endBlock) : volumeSize_(volumeSize), endBlock_(endBlock) {
    startVolume();
  }

  std::uint64_t room() const {
    if (volumeSize_ == 0) return std::numeric_limits<std::uint64_t>::max();
    const std::uint64_t used = volumes_.back().size() + kEndSize;
    return used >= volumeSize_ ? 0 : volumeSize_ - used;
  }
  bool volumeHasMembers() const { return volumes_.back().size() > headerOnlySize_; }
  void append(const std::string& bytes) { volumes_.back() += bytes; }

  void nextVolume() {
    if (volumeSize_ == 0) throw std::logic_error("a single-file archive has no next volume");
    volumes_.back() += rar4::encodeEndHeader(rar4::kEndNextVolume);
    startVolume();
  }

  std::vector<std::string> finish() {
    if (endBlock_) volumes_.back() += rar4::encodeEndHeader(0);
    return std::move(volumes_);
  }

 private:
  static constexpr std::uint64_t kEndSize = rar4::kBaseHeaderSize;

  void startVolume() {
    std::uint16_t flags = 0;
    if (volumeSize_ != 0) {
      flags = rar4::kMainVolume | rar4::kMainNewNumbering;
      if (volumes_.empty()) flags |= rar4::kMainFirstVolume;
    }
    volumes_.push_back(std::string(rar4::kSignature, rar4::kSignatureSize) +
                       rar4::encodeMainHeader(flags));
    headerOnlySize_ = volumes_.back().size();
  }

  std::uint64_t volumeSize_;
  bool endBlock_;
  std::vector<std::string> volumes_;
  std::size_t headerOnlySize_ = 0;
};

namespace {

constexpr std::uint32_t kFileAttribute = 0x20;
constexpr std::uint32_t kFolderAttribute = 0x10;
constexpr std::uint32_t kUnixSymlinkMode = 0120777;
constexpr std::uint32_t kUnixFileType = 0100000;
constexpr std::uint32_t kUnixModeBits = 07777;
constexpr std::size_t kMaxNameBytes = 0xFFFF - rar4::kFileHeaderFixedSize - 8;

std::string commentBlock(const std::string& comment) {
  rar4::FileHeaderFields fields;
  fields.type = rar4::kServiceBlock;
  fields.packSize = fields.unpackedSize = comment.size();
  fields.crc = rar4::crc32(comment);
  fields.name = "CMT";
  return rar4::encodeFileHeader(fields) + comment;
}

}  // namespace

void RarWriter::addFile(std::string name, std::string data, std::uint32_t dosTime) {
  members_.push_back(
      {std::move(name), std::move(data), 0, rar4::kHostWin32, kFileAttribute, dosTime});
}

void RarWriter::addUnixFile(std::string name, std::string data, std::uint32_t mode,
                            std::uint32_t dosTime) {
  if ((mode & ~kUnixModeBits) != 0) {
    char octal[16];
    std::snprintf(octal, sizeof octal, "%o", mode);
    throw std::invalid_argument("not a Unix file mode for " + name + ": " + octal);
  }
  members_.push_back(
      {std::move(name), std::move(data), 0, rar4::kHostUnix, kUnixFileType | mode, dosTime});
}

void RarWriter::addFolder(std::string name, std::uint32_t dosTime) {
  members_.push_back(
      {std::move(name), {}, rar4::kFileDirectory, rar4::kHostWin32, kFolderAttribute, dosTime});
}

void RarWriter::addSymlink(std::string name, std::string target) {
  members_.push_back(
      {std::move(name), std::move(target), 0, rar4::kHostUnix, kUnixSymlinkMode, kDefaultDosTime});
}

void RarWriter::flipDataByte(std::size_t member, std::size_t offset) {
  flips_.push_back({member, offset});
}

std::vector<std::string> RarWriter::build() const {
  Layout layout(volumeSize_, endBlock_);
  if (!comment_.empty()) layout.append(commentBlock(comment_));
  for (std::size_t index = 0; index < members_.size(); ++index) {
    const Member& m = members_[index];
    rar4::FileHeaderFields fields;
    bool unicode = false;
    fields.name = encodeName(m.name, unicode);
    if (fields.name.empty() || fields.name.size() > kMaxNameBytes)
      throw std::invalid_argument("member name cannot be stored: " + m.name);
    fields.hostOs = m.hostOs;
    fields.attributes = m.attributes;
    fields.dosTime = m.dosTime;
    fields.unpackedSize = m.data.size();
    std::uint16_t flags = m.flags | (unicode ? rar4::kFileUnicodeName : 0) |
                          (encrypted_.count(index) ? rar4::kFileEncrypted : 0);
    const std::uint64_t headerSize = rar4::encodeFileHeader(fields).size();
    const std::uint32_t wholeCrc = rar4::crc32(m.data);

    std::size_t offset = 0;
    do {
      if (layout.room() < headerSize + (m.data.empty() ? 0 : 1)) {
        if (!layout.volumeHasMembers())
          throw std::invalid_argument("volume size too small for member " + m.name);
        layout.nextVolume();
      }
      const std::size_t take = static_cast<std::size_t>(
          std::min<std::uint64_t>(m.data.size() - offset, layout.room() - headerSize));
      std::string part = m.data.substr(offset, take);
      const bool splitAfter = offset + take < m.data.size();
      fields.flags = static_cast<std::uint16_t>(flags | (offset > 0 ? rar4::kFileSplitBefore : 0) |
                                                (splitAfter ? rar4::kFileSplitAfter : 0));
      fields.packSize = take;
      // Every part but the last carries the CRC of its own bytes; the last that of the file.
      fields.crc = splitAfter ? rar4::crc32(part) : wholeCrc;
      std::string header = rar4::encodeFileHeader(fields);
      if (offset == 0 && badHeaderCrc_.count(index)) header[0] = static_cast<char>(~header[0]);
      for (const Flip& flip : flips_)
        if (flip.member == index && flip.offset >= offset && flip.offset < offset + take)
          part[flip.offset - offset] = static_cast<char>(part[flip.offset - offset] ^ 0x01);
      layout.append(header + part);
      offset += take;
      if (splitAfter) layout.nextVolume();
    } while (offset < m.data.size());
  }
  return layout.finish();
}

std::vector<std::filesystem::path> RarWriter::write(const std::filesystem::path& path) const {
  const std::vector<std::string> volumes = build();
  std::vector<std::filesystem::path> paths;
  if (volumes.size() == 1) {
    paths.push_back(path);
  } else {
    const std::size_t width = std::to_string(volumes.size()).size();
    for (std::size_t i = 1; i <= volumes.size(); ++i) {
      std::string number = std::to_string(i);
      number.insert(0, width - number.size(), '0');
      std::filesystem::path volume = path;
      volume.replace_extension();
      paths.push_back(volume.string() + ".part" + number + ".rar");
    }
  }
  for (std::size_t i = 0; i < volumes.size(); ++i) {
    std::ofstream out(paths[i], std::ios::binary | std::ios::trunc);
    out.write(volumes[i].data(), static_cast<std::streamsize>(volumes[i].size()));
    if (!out.flush()) throw std::runtime_error("cannot write " + paths[i].string());
  }
  return paths;
}

}  // namespace rarwriter
