#include "movie_window.h"

LRESULT CALLBACK MovieWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // Playback, and with it everything this window does itself, is not built yet.
  return DefWindowProcA(window, message, wParam, lParam);
}
