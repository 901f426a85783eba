#include "content/sounds/gauge_sounds.h"

#include <algorithm>
#include <array>

#include "content/sounds/synth.h"

namespace sounds {
namespace {

// A small mechanical tick: a sharp noise edge ringing at two resonances.
void tick(Signal& s, double at, double ring, double amplitude) {
  s.noise(at, 0.006, amplitude, 0.0012, 0.9);
  s.tone(at, 0.03, ring, ring, amplitude * 0.6, 0.004, 0.0003);
  s.tone(at, 0.03, ring * 0.37, ring * 0.37, amplitude * 0.4, 0.006, 0.0003);
}

// One cylinder firing: a low thump with a burst of dull noise.
void firing(Signal& s, double at, double amplitude) {
  s.tone(at, 0.09, 95, 60, amplitude, 0.025);
  s.noise(at, 0.05, amplitude * 0.7, 0.012, 0.15);
}

// The starter's whine and the compression strokes it drags the engine through.
void cranking(Signal& s, double from, double length) {
  s.tone(from, length, 210, 240, 0.25, 0, 0.05);
  s.tone(from, length, 420, 480, 0.08, 0, 0.05);
  for (double t = from + 0.05; t < from + length - 0.1; t += 0.19) {
    s.noise(t, 0.12, 0.35, 0.04, 0.08, 0.01);
  }
}

Signal knobClick() {
  Signal s(0.04, 118);
  tick(s, 0.0, 3200, 0.8);
  return s;
}

Signal gear() {
  Signal s(0.45, 142);
  s.tone(0.0, 0.3, 75, 55, 0.9, 0.08);
  s.noise(0.0, 0.2, 0.6, 0.03, 0.2);
  tick(s, 0.3, 900, 0.6);
  return s;
}

Signal toggle() {
  Signal s(0.06, 199);
  tick(s, 0.0, 2200, 0.8);
  tick(s, 0.012, 2600, 0.5);
  return s;
}

Signal fuelPump() {
  Signal s(0.9, 226);
  s.tone(0.0, 0.9, 180, 180, 0.3, 0, 0.08);
  for (double t = 0.01; t < 0.86; t += 0.04) s.noise(t, 0.01, 0.5, 0.002, 0.6);
  return s;
}

Signal radioBeep() {
  Signal s(0.07, 255);
  s.tone(0.0, 0.06, 1000, 1000, 0.8, 0, 0.005);
  return s;
}

Signal comPowerOn() {
  Signal s(0.5, 288);
  s.noise(0.0, 0.5, 0.5, 0, 0.5, 0.1);
  s.tone(0.02, 0.45, 300, 900, 0.4, 0, 0.05);
  return s;
}

Signal comPullOn() {
  Signal s(0.35, 289);
  s.noise(0.0, 0.35, 0.9, 0.12, 0.7, 0.002);
  return s;
}

Signal starterCatch() {
  Signal s(2.2, 315);
  cranking(s, 0.0, 1.2);
  // The engine catches and its firing speeds up from 8 to 40 strokes a second.
  double rate = 8;
  for (double t = 1.05; t < 2.1; t += 1.0 / rate) {
    firing(s, t, 0.8);
    rate = std::min(40.0, rate * 1.12);
  }
  s.ramp(1.7, 0.5, 1.0, 0.3);
  return s;
}

Signal starterCrank() {
  Signal s(1.6, 316);
  cranking(s, 0.0, 1.6);
  return s;
}

Signal runDown() {
  Signal s(1.8, 317);
  // Firing slows from 30 strokes a second to a stop, growing fainter.
  double rate = 30;
  for (double t = 0.0; t < 1.7 && rate > 3; t += 1.0 / rate) {
    firing(s, t, 0.9 * (1.0 - t / 1.8));
    rate *= 0.9;
  }
  return s;
}

Signal electricHum() {
  // Every partial completes whole periods in the half second (even frequencies), so the
  // sound loops without a seam; no fades, no noise.
  Signal s(0.5, 318);
  s.tone(0.0, 0.5, 400, 400, 0.5, 0, 0);
  s.tone(0.0, 0.5, 800, 800, 0.2, 0, 0);
  s.tone(0.0, 0.5, 1200, 1200, 0.1, 0, 0);
  s.tone(0.0, 0.5, 120, 120, 0.25, 0, 0);
  return s;
}

constexpr std::array<GaugeSound, 11> kSounds = {{
    {118, "knob and button click", 0.7, knobClick},
    {142, "gear handle", 0.8, gear},
    {199, "toggle switch", 0.75, toggle},
    {226, "auxiliary fuel pump", 0.6, fuelPump},
    {255, "radio beep", 0.5, radioBeep},
    {288, "COM power-up", 0.6, comPowerOn},
    {289, "COM pull switch", 0.6, comPullOn},
    {315, "starter, engine catches", 0.8, starterCatch},
    {316, "starter cranking", 0.7, starterCrank},
    {317, "engine run-down", 0.75, runDown},
    {318, "electrical hum (loop)", 0.35, electricHum},
}};

}  // namespace

std::span<const GaugeSound> gaugeSounds() {
  return kSounds;
}

std::vector<std::int16_t> render(const GaugeSound& sound) {
  Signal signal = sound.synthesise();
  signal.normalise(sound.peak);
  return toPcm16(signal);
}

}  // namespace sounds
