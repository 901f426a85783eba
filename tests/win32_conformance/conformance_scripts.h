#pragma once
// The panel scripts both hosts run: the checked-in ones of the test suite, hostile values and
// clicks made from the product module's own tables, and the bad input the hosts must refuse.
#include <filesystem>
#include <string>
#include <vector>

namespace conformance {

struct PanelScript {
  std::string name;
  std::string text;  // `render` lines are comments: only the Linux host draws
  std::vector<std::filesystem::path> beside;  // panel configurations the script loads
  bool refused = false;                       // ends with a failing line on both hosts
  bool noSoundDevice = false;
};

// Every *.script under `testsFolder`, with the *.cfg files of its folder.
std::vector<PanelScript> checkedInScripts(const std::filesystem::path& testsFolder);
// For each hostile number: every number token pinned to it, every gauge's element values, and
// a click and a help request on each corner of every mouse area, just inside and just outside.
// Their sounds are not listed: hundreds of clicks in a row start sounds while earlier ones may or
// may not have ended by the wall clock (Wine's ALSA null device plays about 3.6 times faster than
// real time), so sounds are compared where each is started once (badInputScripts).
std::vector<PanelScript> hostileScripts(const std::filesystem::path& linuxModule);
// Modules without an export or with a foreign header, gauges that are not there, no sound device.
std::vector<PanelScript> badInputScripts();

}  // namespace conformance
