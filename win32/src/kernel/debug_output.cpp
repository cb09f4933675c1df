// Debug output. No debugger is attached.
#include "win32_api.h"

void WINAPI OutputDebugStringA(LPCSTR) {}
