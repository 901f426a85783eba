#pragma once
// The sample product CD: every archive the installation run extracts, for both simulators, under
// the names the run uses, with the member counts its progress needle is weighed with; the
// uninstaller in the root; and the pictures and texts the shell's pages read. Every build writes
// the same bytes.
#include <filesystem>
#include <string>

namespace samplecd {

struct SampleCdInputs {
  std::filesystem::path gaugeModule;  // the built NOR_NV36.gau, copied into every GAUGES<n>.rar
  // The Windows build of the module, when there is one: it is then NOR_NV36.gau in the archives,
  // for the simulator, and the Linux object goes beside it as NOR_NV36.so, for the panel host.
  std::filesystem::path windowsGaugeModule = {};
};

// Writes the CD into `dir`, replacing what was there only once the new CD is complete. Files are
// left read-only, as on a CD. Returns false and says why when it cannot.
bool writeSampleCd(const std::filesystem::path& dir, const SampleCdInputs& inputs,
                   std::string* why);

}  // namespace samplecd
