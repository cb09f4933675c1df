// Process error mode and the thread's last-error value.
#include "win32_api.h"

namespace {
UINT g_errorMode = 0;
thread_local DWORD g_lastError = ERROR_SUCCESS;
}  // namespace

UINT WINAPI SetErrorMode(UINT mode) {
  // Linux shows no critical-error prompts in any mode; the mode is kept for callers that ask.
  UINT previous = g_errorMode;
  g_errorMode = mode;
  return previous;
}

DWORD WINAPI GetLastError(void) { return g_lastError; }

void WINAPI SetLastError(DWORD error) { g_lastError = error; }
