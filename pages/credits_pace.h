#pragma once
// How fast the credits roll moves: a steady number of pixels a second by the clock, so that it
// reads the same on every machine and the worker sleeps between moves instead of spinning.
#include <chrono>
#include <cstdint>

struct RollPace {
  static constexpr int kDefaultPixelsPerSecond = 30;

  int pixelsPerSecond = kDefaultPixelsPerSecond;  // 0 holds the roll still

  // Whole pixels the roll has moved `elapsed` after it was placed.
  std::int64_t PixelsAfter(std::chrono::nanoseconds elapsed) const;
  // When, counted from the same placing, the roll moves on from where it stands at `elapsed`;
  // nanoseconds::max() while it is held still.
  std::chrono::nanoseconds NextMoveAfter(std::chrono::nanoseconds elapsed) const;
};
