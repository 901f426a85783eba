#include "pages/description_list.h"

#include <QStringDecoder>
#include <string_view>

#include "platform/paths.h"
#include "platform/program_log.h"
#include "platform/text_file.h"
#include "shell/automation_hooks.h"

namespace {

// A description runs to a few kilobytes; a file beyond this is not one.
constexpr std::size_t kMaxDescriptionBytes = 4 * 1024 * 1024;

QByteArrayView View(std::string_view bytes) {
  return {bytes.data(), static_cast<qsizetype>(bytes.size())};
}

bool IsUtf8(std::string_view bytes) {
  QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
  // The decoder is lazy: it decodes, and notices errors, only when its result becomes a string.
  [[maybe_unused]] const QString decoded = utf8(View(bytes));
  return !utf8.hasError();
}

}  // namespace

void TDescriptionList::readOnce(const QString& winPath) {
  if (!lines_.isEmpty()) return;
  const textfile::FileRead file =
      textfile::readRegularFile(platform::toHost(winPath.toStdString()), kMaxDescriptionBytes);
  if (!file.ok()) {
    platform::logReport(winPath.toStdString() + " not read: " + file.reason);
    hooks::notifyFileRead(winPath, QString::fromStdString(file.reason));
    return;
  }
  const bool utf8 = IsUtf8(file.bytes);
  textfile::LineReader reader(file.bytes);
  std::string_view line;
  while (reader.next(line))
    lines_ << (utf8 ? QString::fromUtf8(View(line)) : QString::fromLatin1(View(line)));
  hooks::notifyFileRead(winPath, {});
}

QString TDescriptionList::header(int n) const {
  return QStringLiteral("[%1 %2]").arg(headerWord_).arg(n);
}

QStringList TDescriptionList::section(int n) const {
  const QString start = header(n);
  const QString end = header(n + 1);
  QStringList found;
  qsizetype i = 0;
  while (i < lines_.size() && lines_[i].toUpper() != start) ++i;
  for (++i; i < lines_.size() && lines_[i].toUpper() != end; ++i) found << lines_[i];
  return found;
}
