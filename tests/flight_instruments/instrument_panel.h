#pragma once
// The built module's round instruments on a panel of their own, run through the panel host's
// script mode. Each run is a new host process, so the module's state starts at zero every time.
// The switch panel sits on the panel too: its battery and alternator switches keep the power
// flags that several instruments read (tok::kBatteryMaster and tok::kAlternator, both on by
// default), and its key latches the engine speed (tok::kEngineSpeed above 3000).
#include <QTemporaryDir>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace instruments_test {

struct ScriptRun {
  int exitCode = -1;
  std::vector<std::string> lines;  // standard output
  std::string errors;              // standard error: warnings, sanitizer reports
  std::string all() const;         // for failure messages

  // Every "value GAUGE DEPTH" reading in order; `depth` as the script wrote it ("1:y").
  std::vector<double> values(const std::string& gauge, const std::string& depth) const;
  // The only such reading (fails the test when there is not exactly one).
  double value(const std::string& gauge, const std::string& depth) const;
  // Whether the last reading of the element said "hidden".
  std::optional<bool> hidden(const std::string& gauge, const std::string& depth) const;
  // The lines that begin with `prefix` ("event ", "play ").
  std::vector<std::string> startingWith(const std::string& prefix) const;
};

class InstrumentPanel {
 public:
  InstrumentPanel();

  // Loads the panel, then runs `body`; the run must succeed.
  ScriptRun run(const std::string& body) const;
  // As run, without requiring success.
  ScriptRun tryRun(const std::string& body) const;
  // A file path in the panel's temporary folder.
  std::filesystem::path file(const std::string& name) const;

 private:
  QTemporaryDir dir_;
  std::filesystem::path root_;
};

}  // namespace instruments_test
