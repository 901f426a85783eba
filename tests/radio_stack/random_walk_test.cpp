// Random walks over all four faces: clicks on every area, draws skipped, held knobs, avionics
// switched, and the simulator's frequencies overwritten with anything a host might hand over.
// Whatever happens, a standby is a channel of its band, a send names a channel of its band, and
// a fraction step never moves the MHz nor a whole step the fraction.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <random>

#include "radio_panel.h"

using namespace radio_test;

namespace {

struct Band {
  long lowest, highest, grid, perMegahertz;
};
constexpr Band kComBand = {118000, 136975, 25, 1000};  // kHz
constexpr Band kNavBand = {10800, 11795, 5, 100};      // 10 kHz

const Band& bandOf(const std::string& face) {
  return isNav(face) ? kNavBand : kComBand;
}

// "118.025" -> 118025 (COM), "108.05" -> 10805 (NAV); nothing for any other text.
std::optional<long> channelOfText(const std::string& text, const Band& band) {
  const std::size_t digits = band.perMegahertz == 1000 ? 3 : 2;
  if (text.size() != 4 + digits || text[3] != '.') return std::nullopt;
  long channel = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i == 3) continue;
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    channel = channel * 10 + (text[i] - '0');
  }
  return channel;
}

bool isChannel(long channel, const Band& band) {
  return channel >= band.lowest && channel <= band.highest && channel % band.grid == 0;
}

// A sent BCD value as a channel: COM adds the dropped units digit back as the simulator reads
// it (a hundredths digit 2 or 7 is 25 or 75 kHz).
long channelOfBcd(UINT32 bcd, bool nav) {
  const long d3 = (bcd >> 12) & 0xF, d2 = (bcd >> 8) & 0xF, d1 = (bcd >> 4) & 0xF, d0 = bcd & 0xF;
  const long whole = 100 + 10 * d3 + d2;
  if (nav) return 100 * whole + 10 * d1 + d0;
  return 1000 * whole + 100 * d1 + (d0 == 2 ? 25 : d0 == 7 ? 75 : 10 * d0);
}

const double kOddValues[] = {std::nan(""),
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(),
                             -1.0,
                             -123456.0,
                             1e300,
                             4294967296.0 + 0x1850,
                             0xFFFF,
                             0x9A9A,
                             0x3697,
                             0x0800};

const char* const kFaces[] = {"COM1", "COM2", "NAV1", "NAV2"};
const ID32 kTokens[] = {tok::kCom1Frequency, tok::kNav1Frequency, tok::kNav2Frequency};

class RandomWalk : public ::testing::TestWithParam<unsigned> {
 protected:
  void checkSends() {
    for (const Event& event : panel_.events()) {
      const bool nav = event.id == evt::kNav1FrequencySet || event.id == evt::kNav2FrequencySet;
      ASSERT_TRUE(nav || event.id == evt::kCom1FrequencySet) << std::hex << event.id;
      ASSERT_EQ(event.value & ~0xFFFFu, 0u);
      const long channel = channelOfBcd(event.value, nav);
      ASSERT_TRUE(isChannel(channel, nav ? kNavBand : kComBand))
          << std::hex << event.id << " sent " << event.value;
    }
  }

  // The standby of every face, also while it is dark (its callback's value).
  void checkStandbys(const char* clickedFace, std::optional<Area> area) {
    for (const char* face : kFaces) {
      const Band& band = bandOf(face);
      const int depth = depthsOf(face).standby;
      const long channel =
          std::lround(panel_.value(face, depth) * static_cast<double>(band.perMegahertz));
      ASSERT_TRUE(isChannel(channel, band)) << face << " standby " << channel;
      const std::string text = panel_.standby(face);
      if (!text.empty()) {
        ASSERT_EQ(channelOfText(text, band), channel) << face << " shows " << text;
      }
      if (face == std::string(clickedFace) && area && previous_[face]) {
        const long before = *previous_[face];
        if (*area == Area::FractionUp || *area == Area::FractionDown) {
          ASSERT_EQ(channel / band.perMegahertz, before / band.perMegahertz) << face;
        }
        if (*area == Area::WholeUp || *area == Area::WholeDown) {
          ASSERT_EQ(channel % band.perMegahertz, before % band.perMegahertz) << face;
        }
      }
      previous_[face] = channel;
    }
  }

  RadioPanel panel_;
  std::map<std::string, std::optional<long>> previous_;
};

TEST_P(RandomWalk, EveryStandbyShownAndEveryFrequencySentIsAChannelOfItsBand) {
  std::mt19937 random(GetParam());
  auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  for (int step = 0; step < 2500; ++step) {
    const char* face = kFaces[pick(4)];
    const int roll = pick(100);
    std::optional<Area> area;
    bool drawn = true;
    if (roll < 6) {
      const ID32 token = kTokens[pick(3)];
      if (pick(2) == 0) {
        panel_.set(token, kOddValues[pick(static_cast<int>(std::size(kOddValues)))]);
      } else {
        panel_.host().vars().release(token);
      }
    } else if (roll < 9) {
      panel_.set(tok::kAvionicsMaster, pick(3) == 0 ? 0.0 : 1.0);
    } else {
      area = static_cast<Area>(pick(isNav(face) ? 7 : 8));
      // Now and then two clicks come between draws; they count as a step of neither kind.
      drawn = pick(4) != 0;
      panel_.click(face, *area, drawn ? 1 : 0);
    }
    if (!area) panel_.update();
    checkSends();
    if (drawn) {
      checkStandbys(face, area);
    } else {
      previous_[face].reset();
    }
    if (HasFatalFailure()) {
      ADD_FAILURE() << "seed " << GetParam() << " step " << step;
      return;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomWalk, ::testing::Values(1u, 2u, 3u, 20261208u));

}  // namespace
