#pragma once
// One installation run in a process of its own, against a folder that holds a demo prefix with
// the sample CD in drive D: and the user's folders, and the check that registry, files and install
// log agree afterwards. The soak driver and the kill test start this process and may kill it.
#include <filesystem>
#include <string>

namespace soak {

struct RunOrder {
  std::filesystem::path folder;  // holds prefix/, cd/, home/ (made when missing)
  int simulator = 2000;
  std::string components;  // 't' training, 's' scenery, '1'..'4' aircraft; installed ones skipped
  int stopAtMember = -1;   // the user stops the run once this many members are in
  int fullDiskAtMember = -1;  // from this member on files cannot grow beyond 1 KiB
};

// Sets up the folder on first use, recovers what an earlier killed run left, runs the order.
// 0 when the run went through (whatever it reported), else 2 with the reason on standard error.
int runOnce(const RunOrder& order, const std::filesystem::path& sampleCd);

// Recovers, then compares registry flags, files on disk and the install log of both simulators;
// every disagreement goes to standard error. 0 when they agree, 1 when not.
int checkAgreement(const std::filesystem::path& folder, const std::filesystem::path& sampleCd);

}  // namespace soak
