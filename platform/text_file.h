#pragma once
// Reading the line-based text files the program meets (scenery lists, panel configurations,
// registry files, scripts, picture descriptions): only regular files, never more than a limit,
// and lines ended by CR LF, LF or CR alone, as the editors these files come from write them.
#include <sys/stat.h>

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace textfile {

struct FileRead {
  enum class Failure { None, Missing, NotRegular, TooLarge, Unreadable };
  Failure failure = Failure::None;
  std::string bytes;      // the whole file when failure is None
  std::string reason;     // otherwise why, e.g. "not a regular file"
  struct stat status {};  // of the file as it was read

  bool ok() const { return failure == Failure::None; }
};

// The content of `path`, a regular file or a symbolic link to one. FIFOs, devices and folders
// are refused without waiting for a writer, and so is a file larger than maxBytes (also when it
// grows while it is read): each kind of file has its own limit, beyond which it is not one.
FileRead readRegularFile(const std::filesystem::path& path, std::size_t maxBytes);

enum class LineEnd { CrLf, Lf, Cr };

// The line end of the text's first line; CR LF (the simulator's own) when there is none.
LineEnd lineEndOf(std::string_view text);
std::string_view lineEndText(LineEnd end);

// The lines of a text one by one, without their line ends; a line end before the end of the
// text does not start an empty last line. A CR alone ends a line unless crEndsLine is false,
// for formats where it is an ordinary character and only LF (after an optional CR) ends lines.
class LineReader {
 public:
  explicit LineReader(std::string_view text, bool crEndsLine = true)
      : rest_(text), crEndsLine_(crEndsLine) {}

  bool next(std::string_view& line);
  int number() const { return number_; }  // of the line next() gave last, from 1

 private:
  std::string_view rest_;
  bool crEndsLine_;
  int number_ = 0;
};

// The text without blanks and tabs at either end.
std::string_view trimmed(std::string_view text);

// The name of a "[Name]" line without the blanks around it; nothing when the line does not
// both begin with '[' and end with ']'.
std::optional<std::string_view> sectionName(std::string_view line);

struct KeyValue {
  std::string_view key;    // trimmed
  std::string_view value;  // trimmed
};

// A "key=value" line split at its first '='; nothing without one.
std::optional<KeyValue> splitKeyValue(std::string_view line);

}  // namespace textfile
