#include "movie_window.h"

LRESULT CALLBACK MovieWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // Playback, and with it everything this window does itself, is not built yet.
  return DefWindowProcA(window, message, wParam, lParam);
}

int CreateMovieWindow() {
  // Until playback is built there is no movie window to make: a channel whose movies are on
  // the disc ends as if the window could not be created.
  return 0;
}
