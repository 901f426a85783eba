#include "content/sounds/synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sounds {

Signal::Signal(double seconds, std::uint32_t noiseSeed)
    : samples_(static_cast<std::size_t>(std::lround(seconds * kSampleRate)), 0.0),
      noiseState_(noiseSeed != 0 ? noiseSeed : 1u) {}

std::size_t Signal::index(double seconds) const {
  const auto at = static_cast<std::size_t>(std::max(0L, std::lround(seconds * kSampleRate)));
  return std::min(at, samples_.size());
}

double Signal::nextNoise() {
  // xorshift32: the same noise on every machine.
  noiseState_ ^= noiseState_ << 13;
  noiseState_ ^= noiseState_ >> 17;
  noiseState_ ^= noiseState_ << 5;
  return static_cast<double>(noiseState_) / 2147483648.0 - 1.0;
}

namespace {

double envelope(double t, double length, double tau, double fade) {
  const double decay = tau > 0 ? std::exp(-t / tau) : 1.0;
  const double in = fade > 0 ? std::min(1.0, t / fade) : 1.0;
  const double out = fade > 0 ? std::min(1.0, (length - t) / fade) : 1.0;
  return decay * std::max(0.0, in) * std::max(0.0, out);
}

}  // namespace

template <typename Change>
void Signal::over(double start, double length, Change change) {
  const std::size_t first = index(start);
  const std::size_t last = index(start + length);
  for (std::size_t i = first; i < last; ++i)
    change(samples_[i], static_cast<double>(i - first) / kSampleRate);
}

void Signal::tone(double start, double length, double hz, double toHz, double amplitude, double tau,
                  double fade) {
  double phase = 0;
  over(start, length, [&](double& sample, double t) {
    sample += amplitude * envelope(t, length, tau, fade) * std::sin(phase);
    phase += 2 * std::numbers::pi * (hz + (toHz - hz) * t / length) / kSampleRate;
  });
}

void Signal::noise(double start, double length, double amplitude, double tau, double brightness,
                   double fade) {
  double filtered = 0;
  over(start, length, [&](double& sample, double t) {
    filtered += brightness * (nextNoise() - filtered);
    sample += amplitude * envelope(t, length, tau, fade) * filtered;
  });
}

void Signal::ramp(double start, double length, double from, double to) {
  over(start, length, [&](double& sample, double t) { sample *= from + (to - from) * t / length; });
}

void Signal::normalise(double peak) {
  double largest = 0;
  for (double s : samples_) largest = std::max(largest, std::abs(s));
  if (largest == 0) return;
  for (double& s : samples_) s *= peak / largest;
}

std::vector<std::int16_t> toPcm16(const Signal& signal) {
  std::vector<std::int16_t> pcm;
  pcm.reserve(signal.size());
  for (double s : signal.samples())
    pcm.push_back(static_cast<std::int16_t>(std::clamp(std::lround(s * 32767.0), -32768L, 32767L)));
  return pcm;
}

}  // namespace sounds
