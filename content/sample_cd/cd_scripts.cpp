#include "cd_scripts.h"

#include "cd_parts.h"

namespace samplecd {

namespace {

constexpr const char* kProductEntries[] = {
    "Aircraft/Norvane PA28 MFT",
    "Aircraft/Norvane PA28",
    "Aircraft/Norvane F33A MFT",
    "Aircraft/Norvane A36",
    "Aircraft/Norvane Piper Sound",
    "Aircraft/Norvane Beech Sound",
    "Gauges/NOR_NV36.gau",
    "Gauges/NOR_NV36.so",
    "Sound/Norvane",
    "Adventures/Norvane",
    "Pilots/Norvane",
    "Norvane",
};

// clang-format off
constexpr const char* kQtpLauncherHead = R"sh(#!/bin/sh
# QTP: starts the flight school's shell installed in this folder.
here=$(cd "$(dirname "$0")" && pwd)
)sh";

// Sets prefix to $QTP_PREFIX, else to the nearest folder above (and including) $start that has a
// dosdevices folder, else leaves it empty.
constexpr const char* kPrefixLookup = R"sh(prefix=${QTP_PREFIX:-}
if [ -z "$prefix" ]; then
  dir=$start
  while [ "$dir" != / ] && [ ! -d "$dir/dosdevices" ]; do dir=$(dirname "$dir"); done
  if [ -d "$dir/dosdevices" ]; then prefix=$dir; fi
fi
)sh";

constexpr const char* kQtpLauncherBody = R"sh(cd "$here" || exit 1
if [ -n "$prefix" ]; then exec "$program" --prefix "$prefix" "$@"; fi
exec "$program" "$@"
)sh";

constexpr const char* kUninstallerHead = R"sh(#!/bin/sh
# QTP uninstaller: removes what the installation recorded in a simulator folder, after asking (see
# qtp-uninstall(1)): the folder given last, else the one above the NORVANE folder it lies in.
here=$(cd "$(dirname "$0")" && pwd)
)sh";

constexpr const char* kUninstallerBody = R"sh(case $(basename "$here" | tr '[:lower:]' '[:upper:]') in
  NORVANE) ;;
  *) exec "$program" "$@" ;;
esac
sim=$(dirname "$here")
own=1
for last; do :; done
if [ $# -gt 0 ] && [ -d "$last" ]; then sim=$(cd "$last" && pwd) own=0; fi
start=$sim
)sh";

constexpr const char* kUninstallerTail = R"sh(if [ "$own" = 1 ]; then set -- "$@" "$sim"; fi
if [ -n "$prefix" ]; then exec "$program" --prefix "$prefix" "$@"; fi
exec "$program" "$@"
)sh";
// clang-format on

}  // namespace

std::string shellQuote(const std::string& text) {
  std::string out = "'";
  for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

std::string programLookup(const std::string& variable, const std::string& environment,
                          const std::string& fallback, const std::string& name) {
  const std::string value = "\"$" + variable + "\"";
  return variable + "=${" + environment + ":-}\nif [ -z " + value + " ]; then\n  " + variable +
         "=" + fallback + "\n  if [ ! -x " + value + " ]; then " + variable + "=$(command -v " +
         name + " || true); fi\nelif [ ! -x " + value + " ]; then\n  echo \"" + environment +
         " nennt kein Programm: $" + variable + "\" >&2\n  exit 127\nfi\nif [ -z " + value +
         " ]; then\n  echo \"" + name + " nicht gefunden: setzen Sie " + environment +
         "\" >&2\n  exit 127\nfi\n";
}

std::string qtpLauncher() {
  return kQtpLauncherHead + programLookup("program", "QTP_PROGRAM", "\"$here/qtp\"", "qtp") +
         "start=$here\n" + kPrefixLookup + kQtpLauncherBody;
}

std::span<const char* const> productEntries() {
  return kProductEntries;
}

std::string uninstaller() {
  return kUninstallerHead +
         programLookup("program", "QTP_UNINSTALL_PROGRAM", "\"$here/qtp-uninstall\"",
                       "qtp-uninstall") +
         kUninstallerBody + kPrefixLookup + kUninstallerTail;
}

void writeUninstaller(const CdFolder& cd) {
  cd.writeFile("UNINSTALL.EXE", uninstaller(), true);
}

}  // namespace samplecd
