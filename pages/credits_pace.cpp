#include "pages/credits_pace.h"

namespace {

constexpr std::int64_t kNanosPerSecond = 1'000'000'000;

}  // namespace

std::int64_t RollPace::PixelsAfter(std::chrono::nanoseconds elapsed) const {
  if (pixelsPerSecond <= 0 || elapsed.count() <= 0) return 0;
  return elapsed.count() * pixelsPerSecond / kNanosPerSecond;
}

std::chrono::nanoseconds RollPace::NextMoveAfter(std::chrono::nanoseconds elapsed) const {
  if (pixelsPerSecond <= 0) return std::chrono::nanoseconds::max();
  const std::int64_t next = PixelsAfter(elapsed) + 1;
  // Rounded up: the first instant at which PixelsAfter reaches `next`.
  return std::chrono::nanoseconds((next * kNanosPerSecond + pixelsPerSecond - 1) / pixelsPerSecond);
}
