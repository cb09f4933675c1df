// The virtual clock, waitable timers and MsgWaitForMultipleObjects: time moves only when the
// program waits, and exactly to what it waits for.
#include <gtest/gtest.h>

#include "win32_api.h"

namespace {

LONGLONG Now() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

// A timer due `ticks` (100 ns) from now.
HANDLE TimerIn(LONGLONG ticks, BOOL manualReset = FALSE) {
  HANDLE timer = CreateWaitableTimerA(nullptr, manualReset, nullptr);
  LARGE_INTEGER due;
  due.QuadPart = -ticks;
  EXPECT_TRUE(SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE));
  return timer;
}

DWORD Wait(HANDLE timer, DWORD ms) {
  return MsgWaitForMultipleObjects(timer ? 1 : 0, &timer, FALSE, ms, QS_ALLINPUT);
}

void EmptyQueue() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
  }
}

TEST(Clock, CountsAtTenMegahertzAndSleepJumpsExactly) {
  LARGE_INTEGER frequency;
  ASSERT_TRUE(QueryPerformanceFrequency(&frequency));
  EXPECT_EQ(frequency.QuadPart, 10000000);
  LONGLONG start = Now();
  EXPECT_EQ(Now(), start);  // nothing waited, no time passed
  Sleep(15);
  EXPECT_EQ(Now() - start, 150000);
}

TEST(Timer, AWaitEndsExactlyAtTheDueTime) {
  HANDLE timer = TimerIn(666667);  // one frame at 15 fps
  LONGLONG start = Now();
  EXPECT_EQ(Wait(timer, INFINITE), WAIT_OBJECT_0);
  EXPECT_EQ(Now() - start, 666667);
  // Auto-reset: the wait used the signal up.
  EXPECT_EQ(Wait(timer, 10), static_cast<DWORD>(WAIT_TIMEOUT));
  EXPECT_EQ(Now() - start, 666667 + 100000);
  CloseHandle(timer);
}

TEST(Timer, ManualResetStaysSignalledAndCancelKeepsTheState) {
  HANDLE timer = TimerIn(1000, TRUE);
  EXPECT_EQ(Wait(timer, INFINITE), WAIT_OBJECT_0);
  LONGLONG signalledAt = Now();
  EXPECT_EQ(Wait(timer, INFINITE), WAIT_OBJECT_0);
  EXPECT_TRUE(CancelWaitableTimer(timer));
  EXPECT_EQ(Wait(timer, 0), WAIT_OBJECT_0);
  EXPECT_EQ(Now(), signalledAt);
  // Setting it again clears the signal; cancelling then leaves it unsignalled.
  LARGE_INTEGER due;
  due.QuadPart = -1000;
  ASSERT_TRUE(SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE));
  ASSERT_TRUE(CancelWaitableTimer(timer));
  EXPECT_EQ(Wait(timer, 5), static_cast<DWORD>(WAIT_TIMEOUT));
  EXPECT_EQ(Now() - signalledAt, 50000);
  CloseHandle(timer);
}

TEST(MsgWait, TimeoutBeforeTheTimerFallsDue) {
  HANDLE timer = TimerIn(500000);
  LONGLONG start = Now();
  EXPECT_EQ(Wait(timer, 20), static_cast<DWORD>(WAIT_TIMEOUT));
  EXPECT_EQ(Now() - start, 200000);
  EXPECT_EQ(Wait(timer, 100), WAIT_OBJECT_0);
  EXPECT_EQ(Now() - start, 500000);
  CloseHandle(timer);
}

TEST(MsgWait, AQueuedMessageEndsTheWaitAtOnceAndStaysQueued) {
  HANDLE timer = TimerIn(500000);
  ASSERT_TRUE(PostMessageA(nullptr, WM_USER + 1, 0, 0));
  LONGLONG start = Now();
  EXPECT_EQ(Wait(timer, INFINITE), WAIT_OBJECT_0 + 1);
  EXPECT_EQ(Now(), start);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 1));
  // With no handles, the queue is all there is to wait for.
  ASSERT_TRUE(PostMessageA(nullptr, WM_USER + 2, 0, 0));
  EXPECT_EQ(Wait(nullptr, INFINITE), WAIT_OBJECT_0);
  EmptyQueue();
  CloseHandle(timer);
}

TEST(MsgWait, ASignalledHandleComesBeforeTheQueue) {
  HANDLE timer = TimerIn(0);
  ASSERT_TRUE(PostMessageA(nullptr, WM_USER, 0, 0));
  EXPECT_EQ(Wait(timer, INFINITE), WAIT_OBJECT_0);
  EXPECT_EQ(Wait(timer, INFINITE), WAIT_OBJECT_0 + 1);
  EmptyQueue();
  CloseHandle(timer);
}

TEST(MsgWait, TheFirstOfSeveralTimersToFallDueWins) {
  HANDLE timers[] = {TimerIn(300000), TimerIn(100000)};
  LONGLONG start = Now();
  EXPECT_EQ(MsgWaitForMultipleObjects(2, timers, FALSE, INFINITE, QS_ALLINPUT), WAIT_OBJECT_0 + 1);
  EXPECT_EQ(Now() - start, 100000);
  EXPECT_EQ(MsgWaitForMultipleObjects(2, timers, FALSE, INFINITE, QS_ALLINPUT), WAIT_OBJECT_0);
  EXPECT_EQ(Now() - start, 300000);
  for (HANDLE t : timers) CloseHandle(t);
}

TEST(MsgWait, RefusesWhatItCannotWaitFor) {
  HANDLE timer = TimerIn(1000);
  CloseHandle(timer);
  SetLastError(0);
  EXPECT_EQ(Wait(timer, 10), WAIT_FAILED);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST(MsgWaitDeathTest, AWaitNothingCanEndFinishesTheRun) {
  // Headless with no script left: nothing will ever arrive.
  EXPECT_EXIT(Wait(nullptr, INFINITE), testing::ExitedWithCode(2), "");
}

}  // namespace
