#include "demo_launcher.h"

#include "cd_scripts.h"

namespace demo {

namespace {

// clang-format off
// Aircraft folders compare without regard to case, as the simulator's own file system does.
constexpr const char* kFindPanel = R"sh(here=$(cd "$(dirname "$0")" && pwd)
pattern=$(printf '%s' "$here" | sed 's/[][*?\\]/\\&/g')
panel=$(find "$here" -mindepth 4 -maxdepth 4 -ipath "$pattern/aircraft/norvane*/panel/panel.cfg" 2>/dev/null | LC_ALL=C sort | head -n 1)
)sh";

constexpr const char* kStartHost = R"sh(if [ -n "${QTP_PANELHOST_SCRIPT:-}" ]; then
  exec "$host" --panel "$panel" --script "$QTP_PANELHOST_SCRIPT"
fi
exec "$host" --panel "$panel"
)sh";
// clang-format on

}  // namespace

std::string launcherScript(const std::string& simulator, const std::string& panelhost) {
  const std::string name = samplecd::shellQuote(simulator + " (Demo)");
  return "#!/bin/sh\n# Demo stand-in for the program file of " + simulator +
         ": shows the panel of the first\n# Norvane aircraft installed here in the panel "
         "host.\n" +
         kFindPanel + "if [ -z \"$panel\" ]; then\n  echo " + name +
         "\": kein Norvane-Flugzeug installiert (Aircraft/Norvane*/panel/panel.cfg)\" >&2\n"
         "  exit 1\nfi\n" +
         samplecd::programLookup("host", "QTP_PANELHOST", samplecd::shellQuote(panelhost),
                                 "panelhost") +
         "echo " + name + "\": $panel\"\n" + kStartHost;
}

std::string builtPanelhost() {
  return QTP_PANELHOST_PATH;
}

}  // namespace demo
