#include "uninstaller/product_flags.h"

#include <algorithm>

#include "platform/names.h"
#include "platform/registry.h"
#include "shell/install_state.h"
#include "shell/simulators.h"

namespace uninstall {

namespace {

QStringList flagsOf(const Simulator& simulator) {
  const bool all[4] = {true, true, true, true};
  return ComponentNames(simulator, true, true, all);
}

bool holds(const QStringList& flags, const std::string& component) {
  return std::any_of(flags.begin(), flags.end(), [&component](const QString& flag) {
    return platform::sameName(flag.toStdString(), component);
  });
}

}  // namespace

const Simulator* simulatorOf(const installrecord::ParsedLog& log,
                             const std::filesystem::path& folder) {
  for (const Simulator& simulator : Simulators()) {
    const QStringList flags = flagsOf(simulator);
    if (std::any_of(log.blocks.begin(), log.blocks.end(),
                    [&flags](const auto& block) { return holds(flags, block.component); }))
      return &simulator;
  }
  for (const Simulator& simulator : Simulators()) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(installrecord::resolveCase(folder, simulator.programFile),
                                         ec))
      return &simulator;
  }
  return nullptr;
}

void clearInstallFlags(const Simulator& simulator, bool all,
                       const std::vector<std::string>& components, Report& report) {
  auto key = platform::RegistryKey::open(ProductKey, false);
  if (!key) return;
  std::vector<platform::RegistryValue> cleared;
  for (const QString& flag : flagsOf(simulator)) {
    const std::string name = flag.toStdString();
    const bool chosen = all || std::any_of(components.begin(), components.end(),
                                           [&name](const std::string& component) {
                                             return platform::sameName(name, component);
                                           });
    if (chosen && key->readInteger(name).value_or(0) != 0) cleared.push_back({name, 0u});
  }
  if (cleared.empty()) return;
  const bool written = report.dryRun() || key->writeValues(cleared);
  for (const platform::RegistryValue& value : cleared) {
    const std::string what = "Installationsvermerk " + value.name;
    if (written)
      report.removed(what);
    else
      report.left(what, "die Registrierung kann nicht geschrieben werden");
  }
}

}  // namespace uninstall
