// Without a usable sound device (OpenAL Soft offered only a backend that does not exist):
// DirectSoundCreate fails, ALT's install tells the user once, and every sound stays silent
// without complaint.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gauge_module.h"
#include "gauges/sound/sound_engine.h"
#include "program_resources.h"
#include "sound_test_support.h"
#include "winapi/dsound/dsound.h"
#include "winapi/windows.h"

namespace {

const bool kBackendChosen = (soundtest::chooseOpenAlBackend("nonexistent"), true);

struct Shown {
  HWND owner;
  std::string text;
  std::string caption;
  UINT style;
};
std::vector<Shown> shown;

int recordMessage(HWND owner, LPCSTR text, LPCSTR caption, UINT style) {
  shown.push_back({owner, text, caption, style});
  return IDOK;
}

class NoDevice : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(kBackendChosen);
    shown.clear();
    window_ = qtp_RegisterHostWindow("FS98MAIN", recordMessage);
  }
  void TearDown() override { qtp_UnregisterHostWindow(window_); }
  HWND window_ = nullptr;
};

TEST_F(NoDevice, DirectSoundCreateFails) {
  LPDIRECTSOUND ds = reinterpret_cast<LPDIRECTSOUND>(1);
  EXPECT_EQ(DirectSoundCreate(nullptr, &ds, nullptr), DSERR_NODRIVER);
  EXPECT_EQ(ds, nullptr);
}

TEST_F(NoDevice, ModuleTellsTheUserOnceAndGoesOnSilently) {
  soundtest::GaugeModule module;
  PGAUGEHDR alt = module.gauge("ALT");
  ASSERT_NE(alt, nullptr);
  soundtest::PlayLog log;
  module.service(alt, GAUGE_SERVICE_POST_INSTALL);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].owner, window_);
  EXPECT_EQ(shown[0].text, "ups...can't initialize DirectSound");
  EXPECT_EQ(shown[0].caption, "");
  EXPECT_EQ(shown[0].style, 48u);
  module.service(alt, GAUGE_SERVICE_PRE_UPDATE);
  module.service(alt, GAUGE_SERVICE_PRE_KILL);
  EXPECT_EQ(shown.size(), 1u);
  EXPECT_TRUE(log.events().empty());
}

TEST_F(NoDevice, EveryPlayAndStopFailsQuietly) {
  soundtest::setProgramResources(soundtest::generatedGaugeSounds());
  SoundGaugeCallback(nullptr, GAUGE_SERVICE_POST_INSTALL, 0);
  EXPECT_EQ(shown.size(), 1u);
  for (std::uint32_t id : soundtest::gaugeSoundIds()) {
    EXPECT_EQ(PlaySound(static_cast<SoundId>(id)), E_FAIL);
    EXPECT_EQ(StopSound(static_cast<SoundId>(id)), E_FAIL);
  }
  EXPECT_EQ(PlaySound(SoundId::ElectricHum, DSBPLAY_LOOPING), E_FAIL);
  SoundGaugeCallback(nullptr, GAUGE_SERVICE_PRE_KILL, 0);
  EXPECT_EQ(shown.size(), 1u);
}

}  // namespace
