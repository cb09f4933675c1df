// When each frame is due, in ticks of a counter of known frequency counted from the movie's
// start: frame n at exactly n frame periods, moved by a correction that follows the sound.
#pragma once

#include <cstdint>

namespace vid {

class Pacer {
 public:
  // `period` is the frame period in units of 10 microseconds.
  Pacer(uint64_t frequency, uint32_t period) : frequency_(frequency), period_(period) {}

  // Ticks after the start at which frame `n` is due (never before its exact time, when the
  // correction is 0).
  int64_t due(uint32_t n) const;

  // Follows the audio device: `sinceSound` counter ticks have passed since the sound began
  // and the device has played `played` ticks' worth of it. Call it once a frame. The picture
  // is held back by as much as the sound lags (or brought forward by as much as it leads), a
  // little at a time, and left alone while the two agree within a tolerance, so that on a
  // steady clock the due times stay exact.
  void follow(int64_t sinceSound, int64_t played);

  int64_t correction() const { return correction_; }
  // Microseconds in `ticks` (rounded down).
  int64_t microseconds(int64_t ticks) const;
  // Ticks in `microseconds` (rounded up).
  int64_t ticks(int64_t microseconds) const;

 private:
  uint64_t frequency_;
  uint32_t period_;
  int64_t correction_ = 0;
};

}  // namespace vid
