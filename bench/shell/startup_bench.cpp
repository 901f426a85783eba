// Start-up to the main menu shown, as a ratio to a minimal Qt Widgets program's start-up
// measured in the same run: both are spawned as processes on the offscreen platform and timed
// until they report their first form shown.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "demo_prefix.h"

namespace {

struct Program {
  QString path;
  QStringList arguments;
  QByteArray shownLine;
};

// Seconds from spawning until the program printed its "shown" line; negative on failure.
double secondsUntilShown(const Program& program, const QString& folder) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  environment.insert("HOME", folder);
  environment.insert("XDG_DATA_HOME", folder + "/data");
  environment.insert("XDG_RUNTIME_DIR", folder);
  process.setProcessEnvironment(environment);
  process.setWorkingDirectory(folder);
  QElapsedTimer clock;
  clock.start();
  process.start(program.path, program.arguments);
  QByteArray output;
  double seconds = -1;
  while (process.waitForReadyRead(30000)) {
    output += process.readAllStandardOutput();
    if (output.contains(program.shownLine)) {
      seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
      break;
    }
  }
  if (!process.waitForFinished(30000)) process.kill();
  return seconds;
}

class StartupFixture {
 public:
  StartupFixture() {
    std::string why;
    ok_ = folder_.isValid() && demo::makeDemoPrefix(folder_.filePath("prefix").toStdString(), &why);
    const QString script = folder_.filePath("menu.qtpw");
    QFile file(script);
    ok_ = ok_ && file.open(QIODevice::WriteOnly) && file.write("expect-form TMainDLG\n") > 0;
    file.close();
    qtp_ = {QStringLiteral(QTP_EXECUTABLE),
            {"--prefix", folder_.filePath("prefix"), "--screen-width", "800", "--automate", script},
            "form TMainDLG shown"};
    minimal_ = {QStringLiteral(MINIMAL_APP_EXECUTABLE), {}, "shown"};
  }
  bool ok() const { return ok_; }
  double qtp() const { return secondsUntilShown(qtp_, folder_.path()); }
  double minimal() const { return secondsUntilShown(minimal_, folder_.path()); }

 private:
  QTemporaryDir folder_;
  bool ok_ = false;
  Program qtp_;
  Program minimal_;
};

// Timed: the program's start-up. Counters: the yardstick's start-up and the ratio of the two,
// both taken in the same iterations so that the machine's load affects them alike.
void BM_StartupToMainMenu(benchmark::State& state) {
  StartupFixture fixture;
  if (!fixture.ok()) {
    state.SkipWithError("cannot make the demo prefix");
    return;
  }
  double qtpTotal = 0;
  double minimalTotal = 0;
  for (auto _ : state) {
    const double minimal = fixture.minimal();
    const double qtp = fixture.qtp();
    if (qtp < 0 || minimal < 0) {
      state.SkipWithError("a program did not show its form");
      return;
    }
    state.SetIterationTime(qtp);
    qtpTotal += qtp;
    minimalTotal += minimal;
  }
  state.counters["minimal_ms"] =
      benchmark::Counter(minimalTotal * 1000 / static_cast<double>(state.iterations()));
  state.counters["ratio"] = benchmark::Counter(qtpTotal / minimalTotal);
}
BENCHMARK(BM_StartupToMainMenu)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
