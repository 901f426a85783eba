#pragma once
// A small deterministic synthesiser for the gauge module's sounds: a mono float signal at
// 22050 Hz built from decaying tones, filtered noise bursts and envelopes.
#include <cstdint>
#include <vector>

namespace sounds {

inline constexpr int kSampleRate = 22050;

class Signal {
 public:
  Signal(double seconds, std::uint32_t noiseSeed);

  std::size_t size() const { return samples_.size(); }
  const std::vector<double>& samples() const { return samples_; }

  // A sine from `start` (seconds) for `length`, its amplitude decaying with time constant `tau`
  // (0: steady) and faded in and out over `fade` seconds so that it starts and ends without a
  // click. The frequency glides linearly from `hz` to `toHz`.
  void tone(double start, double length, double hz, double toHz, double amplitude, double tau,
            double fade = 0.002);
  // Noise through a one-pole low-pass (`brightness` 0..1, 1 = white), decaying with `tau`.
  void noise(double start, double length, double amplitude, double tau, double brightness,
             double fade = 0.0005);
  // Multiplies the signal by a linear ramp from `from` to `to` over [start, start + length].
  void ramp(double start, double length, double from, double to);
  // Scales the signal so that its largest magnitude is `peak`.
  void normalise(double peak);

 private:
  double nextNoise();
  std::size_t index(double seconds) const;
  // Calls `change(sample, t)` for each sample in [start, start + length], t in seconds from start.
  template <typename Change>
  void over(double start, double length, Change change);

  std::vector<double> samples_;
  std::uint32_t noiseState_;
};

// 16-bit PCM samples of the signal, rounded and clipped.
std::vector<std::int16_t> toPcm16(const Signal& signal);

}  // namespace sounds
