// Sleep. On the virtual clock (CHANNELS_CLOCK=virtual, the headless default) time jumps by
// the interval at once.
#include <sched.h>

#include "platform/program_clock.h"
#include "win32_api.h"

void WINAPI Sleep(DWORD ms) {
  if (ms == 0) {
    sched_yield();
    return;
  }
  win32::PassTimeUntil(win32::ClockNow() + static_cast<int64_t>(ms) * win32::kClockTicksPerMs);
}
