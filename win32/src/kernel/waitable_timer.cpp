// Waitable timers.
#include "win32_api.h"

HANDLE WINAPI CreateWaitableTimerA(LPSECURITY_ATTRIBUTES, BOOL, LPCSTR) {
  SetLastError(ERROR_NOT_ENOUGH_MEMORY);
  return nullptr;
}

BOOL WINAPI SetWaitableTimer(HANDLE, const LARGE_INTEGER*, LONG, PTIMERAPCROUTINE, LPVOID, BOOL) {
  SetLastError(ERROR_INVALID_HANDLE);
  return FALSE;
}

BOOL WINAPI CancelWaitableTimer(HANDLE) {
  SetLastError(ERROR_INVALID_HANDLE);
  return FALSE;
}
