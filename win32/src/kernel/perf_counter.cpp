// The performance counter: the program's clock, at 10 MHz.
#include "platform/program_clock.h"
#include "win32_api.h"

BOOL WINAPI QueryPerformanceFrequency(LARGE_INTEGER* frequency) {
  if (!frequency) {
    SetLastError(ERROR_NOACCESS);
    return FALSE;
  }
  frequency->QuadPart = win32::kClockTicksPerSecond;
  return TRUE;
}

BOOL WINAPI QueryPerformanceCounter(LARGE_INTEGER* count) {
  if (!count) {
    SetLastError(ERROR_NOACCESS);
    return FALSE;
  }
  count->QuadPart = win32::ClockNow();
  return TRUE;
}
