// The full-screen movie window.
#pragma once

#include "win32_api.h"

// The window procedure of the "KulvoMovie" class.
LRESULT CALLBACK MovieWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
