// Frame due times and how they follow the sound.
#include "pacing.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vid {
namespace {

TEST(Pacing, FramesAreDueAtExactMultiplesOfThePeriod) {
  struct Case {
    uint64_t frequency;
    uint32_t period;  // 10 microsecond units
    uint32_t frame;
    int64_t due;
  } cases[] = {
      {10000000, 6667, 3, 3 * 666700},  // 15 fps given as -6667: no rounded rate
      {10000000, 10000, 1000000, 1000000ll * 1000000},
      {3579545, 4000, 7, 1002273},  // 7 * 40 ms = 1002272.6 ticks, rounded up
      {10000000, 2147483648u, 16777215, 16777215ll * 2147483648ll * 100},
  };
  for (const Case& c : cases) {
    const Pacer pacer(c.frequency, c.period);
    EXPECT_EQ(pacer.due(c.frame), c.due) << c.frequency << " " << c.period << " " << c.frame;
    EXPECT_EQ(pacer.due(0), 0);
  }
}

TEST(Pacing, MicrosecondsAndTicks) {
  const Pacer qpc(3579545, 1000);
  EXPECT_EQ(qpc.microseconds(3579545ll * 5000), 5000ll * 1000000);
  EXPECT_EQ(qpc.ticks(1), 4);  // 3.58 ticks, rounded up
  EXPECT_EQ(qpc.microseconds(qpc.ticks(123456789)), 123456789);
}

TEST(Pacing, FollowsTheSoundSlowlyAndOnlyBeyondTheTolerance) {
  Pacer pacer(1000000, 10000);           // 1 tick = 1 microsecond
  pacer.follow(500000, 500000 - 14000);  // within the tolerance: exact times stay
  EXPECT_EQ(pacer.correction(), 0);
  EXPECT_EQ(pacer.due(5), 500000);
  // The sound lags 40 ms: the picture is held back 1 ms a frame until within the tolerance.
  for (int frame = 1; frame <= 100; ++frame) {
    pacer.follow(600000, 560000);
    EXPECT_EQ(pacer.correction(), 1000 * std::min(frame, 26));
  }
  EXPECT_EQ(pacer.due(5), 500000 + 26000);
  // Sound ahead of the counter brings the picture forward again.
  pacer.follow(600000, 700000);
  EXPECT_EQ(pacer.correction(), 26000 - 1000);
}

}  // namespace
}  // namespace vid
