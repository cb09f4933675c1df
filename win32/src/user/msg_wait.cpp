// Waiting for waitable timers or for the message queue. As on Windows the handles are
// looked at first, in order, then the queue (whose result is WAIT_OBJECT_0 + count). While
// the program waits the backend shows the screen and takes input (the headless one runs its
// script).
#include <algorithm>
#include <vector>

#include "backend/backend.h"
#include "kernel/waitable_timer.h"
#include "platform/program_clock.h"

namespace win32 {
namespace {

constexpr DWORD kMaximumWaitObjects = 64;

// The queue-status bit a queued message falls under.
DWORD StatusOf(UINT message) {
  if (message == WM_PAINT) return QS_PAINT;
  if (message == WM_MOUSEMOVE) return QS_MOUSEMOVE;
  if (message >= WM_LBUTTONDOWN && message <= WM_MBUTTONUP) return QS_MOUSEBUTTON;
  if (message >= WM_KEYDOWN && message <= WM_SYSCHAR) return QS_KEY;
  return QS_POSTMESSAGE;
}

bool QueueWakes(DWORD wakeMask) {
  MSG msg;
  return PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && (StatusOf(msg.message) & wakeMask);
}

}  // namespace
}  // namespace win32

DWORD WINAPI MsgWaitForMultipleObjects(DWORD count, const HANDLE* handles, BOOL waitAll,
                                       DWORD milliseconds, DWORD wakeMask) {
  // Waiting for all handles at once is not supported.
  if (waitAll || count > win32::kMaximumWaitObjects || (count > 0 && !handles)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return WAIT_FAILED;
  }
  std::vector<win32::WaitableTimer*> timers;
  for (DWORD i = 0; i < count; ++i) {
    auto* timer = win32::FindKernelObjectOf<win32::WaitableTimer>(handles[i]);
    if (!timer) return WAIT_FAILED;
    timers.push_back(timer);
  }
  std::optional<int64_t> deadline;
  if (milliseconds != INFINITE)
    deadline = win32::ClockNow() + static_cast<int64_t>(milliseconds) * win32::kClockTicksPerMs;

  win32::Backend& backend = win32::CurrentBackend();
  DWORD result = WAIT_TIMEOUT;
  while (true) {
    int64_t now = win32::ClockNow();
    std::optional<int64_t> wake = deadline;
    DWORD signalled = count;
    for (DWORD i = 0; i < count && signalled == count; ++i) {
      if (timers[i]->TryAcquire(now)) signalled = i;
      if (auto due = timers[i]->Due()) wake = wake ? std::min(*wake, *due) : *due;
    }
    if (signalled < count) {
      result = WAIT_OBJECT_0 + signalled;
      break;
    }
    if (win32::QueueWakes(wakeMask)) {
      result = WAIT_OBJECT_0 + count;
      break;
    }
    if (deadline && now >= *deadline) break;
    backend.WaitUntil(wake);
  }
  win32::NotifyTimePassed();
  return result;
}
