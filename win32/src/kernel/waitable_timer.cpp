#include "waitable_timer.h"

#include <time.h>

#include "platform/program_clock.h"

namespace win32 {

void WaitableTimer::Set(int64_t when, int64_t period) {
  signalled_ = false;
  due_ = when;
  period_ = period;
}

void WaitableTimer::Update(int64_t now) {
  if (!due_ || now < *due_) return;
  signalled_ = true;
  if (period_ > 0) {
    // Periods missed while nobody waited are not made up.
    *due_ += ((now - *due_) / period_ + 1) * period_;
  } else {
    due_.reset();
  }
}

bool WaitableTimer::TryAcquire(int64_t now) {
  Update(now);
  if (!signalled_) return false;
  if (!manualReset_) signalled_ = false;
  return true;
}

}  // namespace win32

HANDLE WINAPI CreateWaitableTimerA(LPSECURITY_ATTRIBUTES, BOOL manualReset, LPCSTR name) {
  if (name) {  // named objects are not supported
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return win32::AddHandle(std::make_unique<win32::WaitableTimer>(manualReset != FALSE));
}

BOOL WINAPI SetWaitableTimer(HANDLE timer, const LARGE_INTEGER* dueTime, LONG period,
                             PTIMERAPCROUTINE completion, LPVOID, BOOL) {
  auto* t = win32::FindKernelObjectOf<win32::WaitableTimer>(timer);
  if (!t) return FALSE;
  // No completion routines: nothing here waits alertably.
  if (!dueTime || period < 0 || completion) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  int64_t now = win32::ClockNow();
  int64_t when;
  if (dueTime->QuadPart < 0) {
    when = now - dueTime->QuadPart;
  } else {
    // An absolute time: 100 ns units since 1601, compared with the wall clock.
    constexpr int64_t kUnixEpoch = 116444736000000000LL;
    timespec wall;
    clock_gettime(CLOCK_REALTIME, &wall);
    int64_t wallNow =
        kUnixEpoch + static_cast<int64_t>(wall.tv_sec) * 10000000 + wall.tv_nsec / 100;
    when = now + (dueTime->QuadPart - wallNow);
  }
  t->Set(when, static_cast<int64_t>(period) * win32::kClockTicksPerMs);
  return TRUE;
}

BOOL WINAPI CancelWaitableTimer(HANDLE timer) {
  auto* t = win32::FindKernelObjectOf<win32::WaitableTimer>(timer);
  if (!t) return FALSE;
  t->Cancel();
  return TRUE;
}
