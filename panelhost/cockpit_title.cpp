#include "panelhost/cockpit_title.h"

#include <QStringDecoder>
#include <algorithm>
#include <cctype>
#include <string>

#include "panelhost/panel_config.h"
#include "platform/text_file.h"

namespace panelhost {
namespace {

constexpr std::size_t kMaxConfigBytes = 1u << 20;

// The simulators write their configurations in the Windows code page; a file already in UTF-8
// is taken as it is.
QString decoded(std::string_view bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString text = utf8(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
  return utf8.hasError() ? QString::fromLatin1(bytes.data(), qsizetype(bytes.size())) : text;
}

bool sameName(std::string a, std::string b) {
  const auto lower = [](std::string& s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  };
  lower(a);
  lower(b);
  return a == b;
}

// The file in the folder with the name, compared without regard to case as Windows does.
std::optional<std::filesystem::path> fileNamed(const std::filesystem::path& folder,
                                               const std::string& name) {
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
    if (entry.is_regular_file(ec) && sameName(entry.path().filename().string(), name))
      return entry.path();
  return std::nullopt;
}

std::string readConfig(const std::optional<std::filesystem::path>& path) {
  if (!path) return {};
  textfile::FileRead read = textfile::readRegularFile(*path, kMaxConfigBytes);
  return read.ok() ? std::move(read.bytes) : std::string();
}

// The first title= of the aircraft's [fltsim.N] sections.
std::string aircraftTitle(const std::string& config) {
  textfile::LineReader lines(config);
  bool inFltsim = false;
  for (std::string_view line; lines.next(line);) {
    line = textfile::trimmed(line);
    if (const auto section = textfile::sectionName(line)) {
      inFltsim = sameName(std::string(section->substr(0, 7)), "fltsim.");
      continue;
    }
    const auto pair = textfile::splitKeyValue(line);
    if (inFltsim && pair && sameName(std::string(pair->key), "title") && !pair->value.empty())
      return std::string(pair->value);
  }
  return {};
}

}  // namespace

QString cockpitTitle(const std::optional<std::filesystem::path>& panel,
                     const std::optional<std::filesystem::path>& module) {
  if (!panel) return module ? decoded(module->stem().string()) : QString();
  const auto panelFolder = std::filesystem::absolute(*panel).lexically_normal().parent_path();
  const auto aircraftFolder = panelFolder.parent_path();
  std::string aircraft = aircraftTitle(readConfig(fileNamed(aircraftFolder, "aircraft.cfg")));
  if (aircraft.empty()) aircraft = aircraftFolder.filename().string();
  const std::string name = parsePanelConfig(readConfig(panel)).title;
  return decoded(name.empty() ? aircraft : aircraft + " - " + name);
}

}  // namespace panelhost
