#pragma once
// The install log: what each installation run added to a simulator folder, one sealed block per
// completed component, so that an uninstaller removes exactly that and nothing else.
//
// The log is NORVANE/INSTALL.LOG in the simulator folder (each name matched without regard to
// case when it exists). It is text, one record a line, ended by LF alone; fields are separated
// by one blank and percent-encoded (control bytes, blank, '%' and DEL as %XX), so that any name
// or text fits in one field:
//
//   QTP-INSTALL-LOG 1                                    header: the format version
//   begin AC2K1                                          a component's block begins (its flag)
//   folder sim NORVANE/QTP                               a folder the run created
//   file sim NORVANE/QTP/QTP.EXE 1234 <mtime-ns> <hash>  a file it created, as it left it
//   replaced sim NORVANE/X.CFG 10 <mtime-ns> <hash>      a file it replaced (the new file)
//   desktop-entry host /home/u/Desktop/QTP.desktop 290 <mtime-ns> <hash>
//   desktop-folder host /home/u/.local/share/applications/Norvane/QTP
//   scenery-area sim SCENERY.CFG <the area's text, line ends included>
//   worldvis-entry sim SCENERY/World.vis <title> <file pattern>
//   seal <hash>                                          checksum of the block's lines above
//
// "sim" paths are relative to the simulator folder with '/' between names, so that a simulator
// folder moved elsewhere still uninstalls; "prefix" paths likewise relative to the prefix folder
// (a target folder outside the simulator folder but inside the prefix); "host" paths are
// absolute (anything else, desktop entries). No path has an empty, "." or ".." component. Sizes and
// times are decimal (time in nanoseconds since the epoch), hashes 16 lowercase hex digits of
// contentHash. A block's seal is contentHash over its bytes from "begin" up to the LF before
// "seal". Records are in the order the run made them; an uninstaller undoes them in reverse.
//
// Anything the parser cannot trust (no header, an unsealed block, a wrong seal, an unknown
// record, a bad field, a path escaping its folder) is reported with its line and reason and is
// never part of the blocks it returns.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace installrecord {

inline constexpr int kFormatVersion = 1;
inline constexpr std::string_view kHeaderWord = "QTP-INSTALL-LOG";

// A 64-bit FNV-1a hash: content identity and block seals.
std::uint64_t contentHash(std::string_view bytes, std::uint64_t seed = 0xcbf29ce484222325ULL);

// A file as the run left it: an uninstaller removes it only while it is still this file.
struct FileIdentity {
  std::uint64_t size = 0;
  std::int64_t mtimeNs = 0;
  std::uint64_t hash = 0;
  bool operator==(const FileIdentity&) const = default;
};

// The identity of the regular file at path, a link not followed; nothing for anything else.
std::optional<FileIdentity> identityOf(const std::filesystem::path& file);
// The same for an open file, read from its start.
std::optional<FileIdentity> identityOf(int fd);

enum class Kind {
  FolderCreated,
  FileCreated,
  FileReplaced,   // the replaced bytes were kept aside only until the component completed
  DesktopEntry,   // a link written into a desktop or menu folder
  DesktopFolder,  // a menu folder the run created
  SceneryArea,    // an area appended to SCENERY.CFG
  WorldVisEntry,  // an entry registered in World.vis
};

enum class Place {
  Simulator,  // path relative to the simulator folder, '/' separated
  Prefix,     // relative to the prefix folder (a target folder outside the simulator folder)
  Host,       // absolute host path
};

struct Record {
  Kind kind = Kind::FolderCreated;
  Place place = Place::Simulator;
  std::string path;
  FileIdentity identity;  // FileCreated, FileReplaced, DesktopEntry
  std::string text;       // SceneryArea: the area's full text; WorldVisEntry: the title
  std::string pattern;    // WorldVisEntry: the file pattern
  bool operator==(const Record&) const = default;
};

// The block of a run's shared steps (the uninstaller copy, the links) when no component of that
// run completed; it stands for no install flag.
inline constexpr std::string_view kSharedStepsComponent = "SETUP";

struct Block {
  std::string component;  // the install flag, such as "AC2K1"; letters, digits and '_'
  std::vector<Record> records;
  bool operator==(const Block&) const = default;
};

struct Untrusted {
  int line = 0;  // from 1; of the block's begin for a whole block, else of the line itself
  std::string reason;
};

struct ParsedLog {
  std::vector<Block> blocks;  // sealed and sound, in file order
  std::vector<Untrusted> untrusted;
};

// One field as the log writes it, and back; nothing for a field the log would not write.
std::string encodeField(std::string_view text);
std::optional<std::string> decodeField(std::string_view field);

// The header line and one sealed block, each ended by LF.
std::string headerText();
std::string blockText(const Block& block);
ParsedLog parseLog(std::string_view text);

// Whether the record's place and path are ones a log may hold (see above).
bool validPath(Place place, std::string_view path);

// The existing entry for each '/'-separated name below base, matched exactly, else without
// regard to ASCII case; names that do not exist are kept as written.
std::filesystem::path resolveCase(const std::filesystem::path& base, std::string_view relative);

// The log of the simulator folder: NORVANE/INSTALL.LOG resolved as above.
std::filesystem::path logPath(const std::filesystem::path& simulatorFolder);

// A path as a record holds it: relative to the simulator folder when file lies below it, else
// relative to the prefix folder when below that (all taken lexically), else absolute.
Record placed(Kind kind, const std::filesystem::path& simulatorFolder,
              const std::filesystem::path& prefixFolder, const std::filesystem::path& file);

// Where a record's path lies on this host.
std::filesystem::path hostPath(const std::filesystem::path& simulatorFolder,
                               const std::filesystem::path& prefixFolder, const Record& record);

struct LogRead {
  bool exists = false;
  std::string error;  // why the log could not be read; empty when it was, or is missing
  ParsedLog log;
};
LogRead readLog(const std::filesystem::path& logFile);

// The log's text with blocks appended: an existing log is kept byte for byte in front of them,
// a missing one starts with its header. Nothing, with the reason in error, when the log exists
// but cannot be read.
std::optional<std::string> logTextWith(const std::filesystem::path& logFile,
                                       const std::vector<Block>& blocks, std::string& error);

// Appends sealed blocks to the log durably (the whole log written beside it, flushed and
// renamed over it). The error text, empty on success.
std::string appendBlocks(const std::filesystem::path& logFile, const std::vector<Block>& blocks);

}  // namespace installrecord
