#include "cd_fixture.h"

#include <QProcess>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>

#include "installer/rar_arc.h"

namespace cdtest {

namespace fs = std::filesystem;

fs::path builtCd() {
  const char* content = std::getenv("QTP_CONTENT_DIR");
  return fs::path(content ? content : "") / "cd";
}

Extraction extract(const fs::path& cd, const std::string& archive, const fs::path& target) {
  std::string relative = archive;
  for (char& c : relative)
    if (c == '\\') c = '/';
  fs::create_directories(target);
  Extraction extraction;
  TRAR rar;
  rar.ArchiveName = (cd / relative).string();
  rar.TargetDir = target.string();
  rar.OnExtract = [&](TRAR&, const RARHeaderData&, bool ok) {
    ++extraction.members;
    if (!ok) ++extraction.failedMembers;
  };
  rar.OnError = [&](TRAR&, int code) { extraction.errors.push_back(code); };
  extraction.result = rar.Extract();
  return extraction;
}

std::vector<Component> runComponents() {
  std::vector<Component> components;
  for (const int simulator : {2000, 98}) {
    const std::string v = simulator == 2000 ? "FS2000\\" : "FS98\\";
    components.push_back(
        {"training", simulator, {"QTP.RAR", v + "ADV.RAR", "ADV.RAR", v + "PILOTS.RAR"}});
    if (simulator == 2000) {
      for (const char* code : {"0", "1", "2"})
        components.push_back(
            {std::string("scenery ") + code, simulator, {v + "NORVANE" + code + ".RAR"}});
    } else {
      components.push_back({"scenery", simulator, {v + "NORVANE.RAR"}});
    }
    for (int n = 1; n <= 4; ++n) {
      const std::string number = std::to_string(n);
      components.push_back(
          {"aircraft " + number,
           simulator,
           {v + "SOUND.RAR", v + "Aircraft" + number + ".rar", v + "GAUGES" + number + ".rar",
            v + "AIRCRAFTSND" + (n <= 2 ? "1" : "2") + ".RAR"}});
    }
  }
  return components;
}

std::vector<std::string> allArchives() {
  std::vector<std::string> archives;
  std::set<std::string> seen;
  for (const Component& component : runComponents())
    for (const std::string& archive : component.archives)
      if (seen.insert(archive).second) archives.push_back(archive);
  return archives;
}

ScriptRun runProgram(const fs::path& program, const QStringList& arguments,
                     const QProcessEnvironment& environment, const fs::path& workingFolder) {
  QProcess process;
  process.setProcessEnvironment(environment);
  if (!workingFolder.empty())
    process.setWorkingDirectory(QString::fromStdString(workingFolder.string()));
  process.start(QString::fromStdString(program.string()), arguments);
  ScriptRun run;
  if (!process.waitForFinished(60000)) {
    process.kill();
    process.waitForFinished();
    run.err = "did not finish";
    return run;
  }
  run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = QString::fromUtf8(process.readAllStandardOutput());
  run.err = QString::fromUtf8(process.readAllStandardError());
  return run;
}

QProcessEnvironment quietEnvironment(const fs::path& home) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  environment.insert("ALSOFT_DRIVERS", "null");
  environment.insert("HOME", QString::fromStdString(home.string()));
  environment.insert("XDG_RUNTIME_DIR", QString::fromStdString(home.string()));
  environment.remove("QTP_PANELHOST");
  environment.remove("QTP_PANELHOST_SCRIPT");
  environment.remove("QTP_PROGRAM");
  environment.remove("QTP_PREFIX");
  return environment;
}

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::map<std::string, std::string> snapshot(const fs::path& root) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(root))
    if (entry.is_regular_file())
      files[entry.path().lexically_relative(root).string()] = readFile(entry.path());
  return files;
}

}  // namespace cdtest
