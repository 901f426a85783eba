#include "platform/text_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/unique_fd.h"

namespace textfile {

namespace {

FileRead failed(FileRead::Failure failure, std::string reason) {
  FileRead read;
  read.failure = failure;
  read.reason = std::move(reason);
  return read;
}

FileRead systemFailure(int error) {
  return failed(error == ENOENT ? FileRead::Failure::Missing : FileRead::Failure::Unreadable,
                std::strerror(error));
}

FileRead tooLarge(std::size_t maxBytes) {
  return failed(FileRead::Failure::TooLarge, "larger than " + std::to_string(maxBytes) + " bytes");
}

#ifdef _WIN32
// Windows has no FIFOs to wait for; files are read as they are, without text-mode translation.
int openForReading(const std::filesystem::path& path) {
  return ::_wopen(path.c_str(), O_RDONLY | O_BINARY);
}
#else
// Non-blocking, so that opening a FIFO without a writer returns at once and can be refused.
int openForReading(const std::filesystem::path& path) {
  return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
}
#endif

}  // namespace

FileRead readRegularFile(const std::filesystem::path& path, std::size_t maxBytes) {
  const platform::UniqueFd fd(openForReading(path));
  if (!fd.valid()) return systemFailure(errno);
  FileRead read;
  if (::fstat(fd.get(), &read.status) != 0) return systemFailure(errno);
  if (!S_ISREG(read.status.st_mode))
    return failed(FileRead::Failure::NotRegular, "not a regular file");
  if (static_cast<std::uintmax_t>(read.status.st_size) > maxBytes) return tooLarge(maxBytes);
  read.bytes.resize(static_cast<std::size_t>(read.status.st_size));
  std::size_t done = 0;
  for (;;) {
    // One byte of room past the limit tells a file that grew beyond it while it was read.
    if (done == read.bytes.size()) read.bytes.resize(std::min(done * 2 + 4096, maxBytes + 1));
    const ssize_t n = ::read(fd.get(), read.bytes.data() + done, read.bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return systemFailure(errno);
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
    if (done > maxBytes) return tooLarge(maxBytes);
  }
  read.bytes.resize(done);
  ::fstat(fd.get(), &read.status);
  return read;
}

LineEnd lineEndOf(std::string_view text) {
  const std::size_t end = text.find_first_of("\r\n");
  if (end == std::string_view::npos) return LineEnd::CrLf;
  if (text[end] == '\n') return LineEnd::Lf;
  return end + 1 < text.size() && text[end + 1] == '\n' ? LineEnd::CrLf : LineEnd::Cr;
}

std::string_view lineEndText(LineEnd end) {
  switch (end) {
    case LineEnd::Lf:
      return "\n";
    case LineEnd::Cr:
      return "\r";
    case LineEnd::CrLf:
      break;
  }
  return "\r\n";
}

bool LineReader::next(std::string_view& line) {
  if (rest_.empty()) return false;
  std::size_t end = rest_.find_first_of(crEndsLine_ ? "\r\n" : "\n");
  std::size_t after = end;
  if (end == std::string_view::npos) {
    end = after = rest_.size();
  } else if (rest_[end] == '\r') {
    after += end + 1 < rest_.size() && rest_[end + 1] == '\n' ? 2 : 1;
  } else {
    ++after;
    if (end > 0 && rest_[end - 1] == '\r') --end;
  }
  line = rest_.substr(0, end);
  rest_.remove_prefix(after);
  ++number_;
  return true;
}

std::string_view trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<std::string_view> sectionName(std::string_view line) {
  if (line.size() < 2 || line.front() != '[' || line.back() != ']') return std::nullopt;
  return trimmed(line.substr(1, line.size() - 2));
}

std::optional<KeyValue> splitKeyValue(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return KeyValue{trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1))};
}

}  // namespace textfile
