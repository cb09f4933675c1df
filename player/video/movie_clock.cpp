#include "movie_clock.h"

namespace vid {

bool MovieClock::start() {
  LARGE_INTEGER f, t;
  if (!QueryPerformanceFrequency(&f) || f.QuadPart <= 0 || !QueryPerformanceCounter(&t))
    return false;
  timer_ = KernelHandle(CreateWaitableTimerA(nullptr, FALSE, nullptr));
  if (!timer_) return false;
  // Timers fire to the millisecond while a movie plays.
  finePeriod_ = timeBeginPeriod(1) == TIMERR_NOERROR;
  frequency_ = static_cast<uint64_t>(f.QuadPart);
  origin_ = t.QuadPart;
  return true;
}

MovieClock::~MovieClock() {
  if (finePeriod_) timeEndPeriod(1);
}

void MovieClock::restart() { origin_ += now(); }

int64_t MovieClock::now() const {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return t.QuadPart - origin_;
}

void MovieClock::waitUntil(int64_t due) {
  const int64_t left = due - now();
  if (left <= 0) return;
  // Relative due time in 100 ns units (negative), rounded up so the frame is never early.
  const uint64_t ticks = static_cast<uint64_t>(left);
  const uint64_t units =
      ticks / frequency_ * 10000000 + (ticks % frequency_ * 10000000 + frequency_ - 1) / frequency_;
  LARGE_INTEGER when;
  when.QuadPart = -static_cast<LONGLONG>(units);
  HANDLE timer = timer_.get();
  if (!SetWaitableTimer(timer, &when, 0, nullptr, nullptr, FALSE)) return;
  MsgWaitForMultipleObjects(1, &timer, FALSE, INFINITE, QS_ALLINPUT);
  CancelWaitableTimer(timer);
}

}  // namespace vid
