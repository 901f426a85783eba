#include "instrument_panel.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <fstream>
#include <sstream>

namespace instruments_test {
namespace {

// Far enough apart that no gauge covers another, so clicks land where the script says. The
// switch panel comes first: the host updates gauges in panel order, so the power flags it keeps
// are current when the instruments read them in the same update.
constexpr const char* kPanel =
    "[Window00]\n"
    "size=1100,600\n"
    "gauge00=NOR_NV36!SWIT, 0, 300\n"
    "gauge01=NOR_NV36!ALT, 0, 0\n"
    "gauge02=NOR_NV36!RPM, 150, 0\n"
    "gauge03=NOR_NV36!MAP, 290, 0\n"
    "gauge04=NOR_NV36!FL1, 440, 0\n"
    "gauge05=NOR_NV36!FL2, 530, 0\n"
    "gauge06=NOR_NV36!FLID, 620, 0\n"
    "gauge07=NOR_NV36!VSI, 0, 150\n"
    "gauge08=NOR_NV36!VAC, 150, 150\n"
    "gauge09=NOR_NV36!ASI, 270, 150\n"
    "gauge10=NOR_NV36!TURN, 420, 150\n"
    "gauge11=NOR_NV36!WCMP, 560, 150\n"
    "gauge12=NOR_NV36!ENG, 620, 150\n";

std::vector<std::string> splitLines(const QByteArray& bytes) {
  std::vector<std::string> lines;
  std::istringstream in(bytes.toStdString());
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace

std::string ScriptRun::all() const {
  std::string text;
  for (const auto& line : lines) text += line + "\n";
  return text + errors;
}

std::vector<double> ScriptRun::values(const std::string& gauge, const std::string& depth) const {
  const std::string prefix = "value " + gauge + " " + depth + " ";
  std::vector<double> found;
  for (const auto& line : startingWith(prefix)) {
    std::istringstream rest(line.substr(prefix.size()));
    std::string number;
    rest >> number;
    found.push_back(std::stod(number));  // also reads "nan" and "inf"
  }
  return found;
}

double ScriptRun::value(const std::string& gauge, const std::string& depth) const {
  const auto found = values(gauge, depth);
  EXPECT_EQ(found.size(), 1u) << gauge << " " << depth << "\n" << all();
  return found.empty() ? std::nan("") : found.front();
}

std::optional<bool> ScriptRun::hidden(const std::string& gauge, const std::string& depth) const {
  const auto found = startingWith("value " + gauge + " " + depth + " ");
  if (found.empty()) return std::nullopt;
  const std::string& last = found.back();
  return last.size() >= 6 && last.compare(last.size() - 6, 6, "hidden") == 0;
}

std::vector<std::string> ScriptRun::startingWith(const std::string& prefix) const {
  std::vector<std::string> found;
  for (const auto& line : lines)
    if (line.rfind(prefix, 0) == 0) found.push_back(line);
  return found;
}

InstrumentPanel::InstrumentPanel() {
  EXPECT_TRUE(dir_.isValid());
  root_ = dir_.path().toStdString();
  const auto gauges = root_ / "FS2000" / "Gauges";
  const auto panel = root_ / "FS2000" / "Aircraft" / "NV36" / "Panel";
  std::filesystem::create_directories(gauges);
  std::filesystem::create_directories(panel);
  std::filesystem::copy_file(NOR_NV36_PATH, gauges / "NOR_NV36.gau");
  std::ofstream(panel / "panel.cfg", std::ios::binary) << kPanel;
}

std::filesystem::path InstrumentPanel::file(const std::string& name) const {
  return root_ / name;
}

ScriptRun InstrumentPanel::tryRun(const std::string& body) const {
  const auto config = root_ / "FS2000" / "Aircraft" / "NV36" / "Panel" / "panel.cfg";
  const std::string script = "load " + config.string() + "\n" + body;
  QProcess host;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("ALSOFT_DRIVERS", "null");  // the sounds are still logged by resource id
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  host.setProcessEnvironment(environment);
  host.setProcessChannelMode(QProcess::SeparateChannels);
  host.start(PANELHOST_EXE, {"--script", "-"});
  ScriptRun run;
  if (!host.waitForStarted()) return run;
  host.write(script.c_str(), static_cast<qint64>(script.size()));
  host.closeWriteChannel();
  if (!host.waitForFinished(120000)) {
    host.kill();
    host.waitForFinished();
    return run;
  }
  run.lines = splitLines(host.readAllStandardOutput());
  run.errors = host.readAllStandardError().toStdString();
  run.exitCode = host.exitStatus() == QProcess::NormalExit ? host.exitCode() : -1;
  return run;
}

ScriptRun InstrumentPanel::run(const std::string& body) const {
  ScriptRun result = tryRun(body);
  EXPECT_EQ(result.exitCode, 0) << result.all();
  return result;
}

}  // namespace instruments_test
