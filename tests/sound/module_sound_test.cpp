// The sound engine inside the built gauge module, on OpenAL Soft's null backend: ALT's install
// makes all eleven sounds from the module's own resources without a message, and its kill stops
// and frees every buffer of them.
#include <gtest/gtest.h>

#include <set>

#include "gauge_module.h"
#include "sound_test_support.h"
#include "winapi/windows.h"

namespace {

const bool kBackendChosen = (soundtest::chooseOpenAlBackend("null"), true);

int messages = 0;
int countMessage(HWND, LPCSTR, LPCSTR, UINT) {
  return ++messages, IDOK;
}

TEST(ModuleSounds, AltMakesEveryOneOfTheElevenSoundsAndEndsThemAtKill) {
  ASSERT_TRUE(kBackendChosen);
  HWND window = qtp_RegisterHostWindow("FS98MAIN", countMessage);
  soundtest::GaugeModule module;
  PGAUGEHDR alt = module.gauge("ALT");
  ASSERT_NE(alt, nullptr);

  module.service(alt, GAUGE_SERVICE_POST_INSTALL);
  EXPECT_EQ(messages, 0);
  soundtest::PlayLog log;
  module.service(alt, GAUGE_SERVICE_PRE_KILL);

  // One stop for every buffer: four sounds have two buffers, seven have one.
  EXPECT_EQ(log.stops(), 15u);
  std::set<soundtest::Bytes> stopped;
  for (const auto& event : log.events()) stopped.insert(event.pcm);
  for (std::uint32_t id : soundtest::gaugeSoundIds()) {
    const soundtest::Bytes samples = module.soundSamples(id);
    ASSERT_FALSE(samples.empty()) << "the module holds sound " << id;
    EXPECT_TRUE(stopped.contains(samples)) << "sound " << id << " had a handle";
  }
  qtp_UnregisterHostWindow(window);
}

}  // namespace
