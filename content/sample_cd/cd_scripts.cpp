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

constexpr const char* kQtpLauncherBody = R"sh(prefix=${QTP_PREFIX:-}
if [ -z "$prefix" ]; then
  dir=$here
  while [ "$dir" != / ] && [ ! -d "$dir/dosdevices" ]; do dir=$(dirname "$dir"); done
  if [ -d "$dir/dosdevices" ]; then prefix=$dir; fi
fi
cd "$here" || exit 1
if [ -n "$prefix" ]; then exec "$program" --prefix "$prefix" "$@"; fi
exec "$program" "$@"
)sh";

constexpr const char* kUninstallerHead = R"sh(#!/bin/sh
# QTP uninstaller: lists what removing the product from a simulator folder would remove.
# It changes nothing yet.
#
#   UNINSTALL.EXE [SIMULATOR-FOLDER]
#
# Without a folder it takes the simulator folder it was installed into: the folder above the
# NORVANE folder that holds it.
here=$(cd "$(dirname "$0")" && pwd)
if [ $# -gt 1 ]; then
  echo "Aufruf: UNINSTALL.EXE [Simulatorverzeichnis]" >&2
  exit 2
fi
if [ $# -eq 1 ]; then
  sim=$1
else
  case $(basename "$here" | tr '[:lower:]' '[:upper:]') in
    NORVANE) sim=$(dirname "$here") ;;
    *)
      echo "Aufruf: UNINSTALL.EXE [Simulatorverzeichnis]" >&2
      exit 2
      ;;
  esac
fi
while [ "${sim%/}" != "$sim" ] && [ "$sim" != / ]; do sim=${sim%/}; done
if [ ! -d "$sim" ]; then
  echo "UNINSTALL: Verzeichnis nicht gefunden: $sim" >&2
  exit 1
fi
pattern=$(printf '%s' "$sim" | sed 's/[][*?\\]/\\&/g')
found=0
while IFS= read -r entry; do
  depth=$(printf '%s\n' "$entry" | awk -F/ '{ print NF }')
  matches=$(find "$sim" -mindepth "$depth" -maxdepth "$depth" -ipath "$pattern/$entry" 2>/dev/null | sort)
  if [ -n "$matches" ]; then
    printf '%s\n' "$matches" | sed 's/^/Würde entfernen: /'
    found=1
  fi
done <<'ENTRIES'
)sh";

constexpr const char* kUninstallerTail = R"sh(ENTRIES
if [ "$found" = 0 ]; then echo "Keine Dateien der QTP gefunden in $sim"; fi
echo "Es wurde nichts verändert."
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
         kQtpLauncherBody;
}

std::span<const char* const> productEntries() {
  return kProductEntries;
}

std::string uninstaller() {
  std::string script = kUninstallerHead;
  for (const char* entry : kProductEntries) script += std::string(entry) + "\n";
  return script + kUninstallerTail;
}

void writeUninstaller(const CdFolder& cd) {
  cd.writeFile("UNINSTALL.EXE", uninstaller(), true);
}

}  // namespace samplecd
