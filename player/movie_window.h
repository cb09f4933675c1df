// The full-screen movie window.
#pragma once

#include "win32_api.h"

// The window procedure of the "KulvoMovie" class.
LRESULT CALLBACK MovieWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Opens the full-screen movie window; 1 when it exists, 0 when it cannot be made.
int CreateMovieWindow();
