// Waiting for a waitable timer and the message queue together: the handles are looked at
// before the queue, a queued message ends the wait without being taken from the queue, an
// auto-reset timer is reset by the wait that sees it, and a timeout ends a wait early.
#include "check.h"

using conformance::Check;

namespace {

LONGLONG Now() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

void SetIn(HANDLE timer, LONGLONG ticks) {
  LARGE_INTEGER due;
  due.QuadPart = -ticks;
  Check(SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE) != FALSE, "the timer is set");
}

DWORD Wait(HANDLE timer, DWORD ms) {
  return MsgWaitForMultipleObjects(1, &timer, FALSE, ms, QS_ALLINPUT);
}

}  // namespace

int main() {
  LARGE_INTEGER frequency;
  Check(QueryPerformanceFrequency(&frequency) && frequency.QuadPart > 0, "a counter frequency");
  LONGLONG tick = frequency.QuadPart / 1000;  // counts a millisecond
  HANDLE timer = CreateWaitableTimerA(nullptr, FALSE, nullptr);
  Check(timer != nullptr, "the timer is created");

  LONGLONG start = Now();
  SetIn(timer, 300000);  // 30 ms
  Check(Wait(timer, INFINITE) == WAIT_OBJECT_0, "the timer ends the wait");
  Check(Now() - start >= 29 * tick, "not before it is due");
  Check(Wait(timer, 20) == WAIT_TIMEOUT, "the wait reset the timer");

  SetIn(timer, 2000000);  // 200 ms
  start = Now();
  Check(Wait(timer, 20) == WAIT_TIMEOUT, "a timeout before the timer is due");
  Check(Now() - start >= 19 * tick && Now() - start < 190 * tick, "the wait lasts its timeout");

  PostMessageA(nullptr, WM_USER, 0, 0);
  Check(Wait(timer, INFINITE) == WAIT_OBJECT_0 + 1, "a queued message ends the wait");
  MSG msg;
  Check(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) && msg.message == WM_USER,
        "the message stays queued");

  SetIn(timer, 0);
  Sleep(5);
  PostMessageA(nullptr, WM_USER, 0, 0);
  Check(Wait(timer, INFINITE) == WAIT_OBJECT_0, "a signalled handle comes before the queue");
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
  }

  Check(CancelWaitableTimer(timer) != FALSE, "the timer is cancelled");
  Check(CloseHandle(timer) != FALSE, "the timer is closed");
  Check(Wait(timer, 0) == WAIT_FAILED && GetLastError() == ERROR_INVALID_HANDLE,
        "a closed handle cannot be waited for");
  return conformance::Finish("timer_wait");
}
