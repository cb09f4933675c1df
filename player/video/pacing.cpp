#include "pacing.h"

#include <algorithm>

namespace vid {

namespace {

// Drift the sound and the counter may show without any correction: what the device's
// position reports can lag its output by this much.
constexpr int64_t kToleranceUs = 15000;
// The most the correction moves in one frame.
constexpr int64_t kStepUs = 1000;

constexpr uint64_t kUnitsPerSecond = 100000;  // frame periods count 10 microsecond units

// ceil(a * b / c) without overflow for any a below 2^56 and b, c below 2^32 ... 2^40; beyond
// that (a frame more than hours after the start) the time saturates.
uint64_t mulDivUp(uint64_t a, uint64_t b, uint64_t c) {
  const uint64_t whole = a / c, rest = a % c;
  if (whole != 0 && b > UINT64_MAX / 4 / whole) return UINT64_MAX / 4;
  return whole * b + (rest * b + c - 1) / c;
}

}  // namespace

int64_t Pacer::due(uint32_t n) const {
  const uint64_t exact = mulDivUp(uint64_t{n} * period_, frequency_, kUnitsPerSecond);
  return static_cast<int64_t>(exact) + correction_;
}

void Pacer::follow(int64_t sinceSound, int64_t played) {
  const int64_t error = (sinceSound - played) - correction_;
  if (error > -ticks(kToleranceUs) && error < ticks(kToleranceUs)) return;
  const int64_t step = ticks(kStepUs);
  correction_ += std::clamp(error, -step, step);
}

int64_t Pacer::microseconds(int64_t ticks) const {
  const int64_t f = static_cast<int64_t>(frequency_);
  return ticks / f * 1000000 + ticks % f * 1000000 / f;
}

int64_t Pacer::ticks(int64_t microseconds) const {
  const int64_t f = static_cast<int64_t>(frequency_);
  return microseconds / 1000000 * f + (microseconds % 1000000 * f + 999999) / 1000000;
}

}  // namespace vid
