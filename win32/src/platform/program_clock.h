// The program's clock, in 100 ns units: CLOCK_MONOTONIC on the real clock; on the virtual
// clock (CHANNELS_CLOCK=virtual) a count that moves only when the program waits.
#pragma once

#include <cstdint>
#include <functional>

namespace win32 {

constexpr int64_t kClockTicksPerSecond = 10000000;
constexpr int64_t kClockTicksPerMs = 10000;

int64_t ClockNow();

// Lets time pass until `when`: the virtual clock jumps there (never backwards); the real one
// sleeps until then. Then tells the listeners.
void PassTimeUntil(int64_t when);

// Something that follows the passing of time outside its own calls (the sound devices mark
// played buffers). Called on the program's thread after each wait.
void AddTimeListener(std::function<void()> listener);
void NotifyTimePassed();

}  // namespace win32
