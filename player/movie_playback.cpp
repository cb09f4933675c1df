#include "movie_playback.h"

#include "movie_path.h"
#include "movie_window.h"
#include "video/vid.h"

HWND g_hPrevCapture = nullptr;

namespace {

constexpr uint32_t kAllSoundTracks = 0xFE000;

// Halves the room a buffer leaves around the movie: never negative, since the buffer is at
// least the movie's size.
uint32_t Margin(uint32_t room, uint32_t size) { return (room - size) / 2; }

// Messages first; a frame is stepped only when the queue is empty and the library says it is
// due. A quit message ends the loop and goes no further.
void RunPlaybackLoop() {
  MSG msg;
  while (true) {
    if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) return;
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
      continue;
    }
    if (VidWaitPending(g_movie)) continue;
    if (!StepMovieFrame(g_hMovieWnd)) return;
  }
}

}  // namespace

int PlayMovie(const char* name) {
  g_backdropDone = 0;
  g_movieInterrupted = 0;
  VidSetWindow(g_hMovieWnd);
  g_movie = VidOpen(MoviePath(name), kAllSoundTracks, -1);
  if (!g_movie) return 0;

  g_hPrevCapture = SetCapture(g_hMovieWnd);
  const auto width = static_cast<uint16_t>(g_movie->Width);
  const auto height = static_cast<uint16_t>(g_movie->Height);
  g_movieBuf = VidBufOpen(g_hMovieWnd, 0, width, height, width, height);
  if (g_movieBuf) {
    VidSetTarget(g_movie, Margin(g_movieBuf->Width, width), Margin(g_movieBuf->Height, height),
                 g_movieBuf->Width, g_movieBuf->Height, g_movieBuf->Buffer, g_movieBuf->Reversed);
    RunPlaybackLoop();
    VidBufClose(g_movieBuf);
  }
  VidClose(g_movie);
  if (g_hPrevCapture) SetCapture(g_hPrevCapture);
  g_movieBuf = nullptr;
  return g_movieInterrupted;
}

int StepMovieFrame(HWND window) {
  if (VidBufReady(g_movieBuf) == 0) return 0;
  HDC dc = GetDC(window);
  if (g_movie->NewPalette) {
    VidBufPalette(g_movieBuf, g_movie->Palette, 0);
    VidRemap(g_movie, g_movieBuf->PalTable, g_movieBuf->RemapA, g_movieBuf->RemapB);
  }
  VidDecode(g_movie);

  // The screen's size is read for every frame, so a change of display mode re-centres.
  RECT screen;
  GetWindowRect(GetDesktopWindow(), &screen);
  const int x = (screen.right - static_cast<int>(g_movieBuf->Width)) / 2;
  const int y = (screen.bottom - static_cast<int>(g_movieBuf->Height)) / 2;
  while (VidNextRect(g_movie, g_movieBuf->SurfaceType)) {
    const uint16_t failed =
        VidBufBlit(g_movieBuf, dc, x, y, static_cast<int>(g_movie->LastRectx),
                   static_cast<int>(g_movie->LastRecty), static_cast<int>(g_movie->LastRectw),
                   static_cast<int>(g_movie->LastRecth));
    if (failed) break;
  }
  ReleaseDC(window, dc);

  if (g_movie->Frames - g_movie->FrameNum == 1) return 0;
  VidAdvance(g_movie);
  return 1;
}
