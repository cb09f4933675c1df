#include "program_clock.h"

#include <errno.h>
#include <time.h>

#include <atomic>
#include <vector>

#include "settings.h"

namespace win32 {
namespace {

std::atomic<int64_t> g_virtualNow{0};

int64_t MonotonicNow() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<int64_t>(now.tv_sec) * kClockTicksPerSecond + now.tv_nsec / 100;
}

std::vector<std::function<void()>>& Listeners() {
  static std::vector<std::function<void()>> listeners;
  return listeners;
}

}  // namespace

int64_t ClockNow() { return CurrentSettings().virtualClock ? g_virtualNow.load() : MonotonicNow(); }

void PassTimeUntil(int64_t when) {
  if (CurrentSettings().virtualClock) {
    if (when > g_virtualNow.load()) g_virtualNow.store(when);
  } else {
    timespec until{static_cast<time_t>(when / kClockTicksPerSecond),
                   static_cast<long>(when % kClockTicksPerSecond * 100)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
    }
  }
  NotifyTimePassed();
}

void AddTimeListener(std::function<void()> listener) { Listeners().push_back(std::move(listener)); }

void NotifyTimePassed() {
  for (const auto& listener : Listeners()) listener();
}

}  // namespace win32
