#include "movie_window.h"

HWND g_hMovieWnd = nullptr;
VidBuffer* g_movieBuf = nullptr;
VidMovie* g_movie = nullptr;
int g_backdropDone = 0;
int g_movieInterrupted = 0;

namespace {

constexpr DWORD kMovieWindowStyle = WS_POPUP | WS_VISIBLE;

// Keeps the window's left edge on a multiple of 4 pixels, the halfway case going left.
void AlignWindow(HWND window, int x, int y) {
  if (x % 4 == 0) return;
  SetWindowPos(window, nullptr, (x + 1) & ~3, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

// The first paint of a movie turns the whole paint area black and leaves nothing to repaint.
void PaintBackdrop(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  SelectObject(dc, GetStockObject(BLACK_BRUSH));
  Rectangle(dc, paint.rcPaint.left, paint.rcPaint.top, paint.rcPaint.right, paint.rcPaint.bottom);
  EndPaint(window, &paint);
  g_backdropDone = 1;
}

LRESULT RealizeMoviePalette() {
  return g_movieBuf ? static_cast<LRESULT>(VidBufRealize(g_movieBuf)) : 0;
}

}  // namespace

LRESULT CALLBACK MovieWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOVE:
      AlignWindow(window, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_DESTROY:
      return 0;
    case WM_PAINT:
      if (!g_backdropDone) PaintBackdrop(window);
      PaintMovieFrame(window);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_CHAR:
    case WM_LBUTTONDOWN:
      g_movieInterrupted = 1;
      PostQuitMessage(0);
      return 0;
    case WM_PALETTECHANGED:
      if (reinterpret_cast<HWND>(wParam) == window) return 0;
      return RealizeMoviePalette();
    case WM_QUERYNEWPALETTE:
      return RealizeMoviePalette();
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

int CreateMovieWindow() {
  RECT screen;
  GetWindowRect(GetDesktopWindow(), &screen);
  g_hMovieWnd =
      CreateWindowExA(0, "KulvoMovie", "Kulvo Movie", kMovieWindowStyle, 0, 0, screen.right,
                      screen.bottom, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  return g_hMovieWnd ? 1 : 0;
}

int DestroyMovieWindow() { return g_hMovieWnd ? DestroyWindow(g_hMovieWnd) : 0; }

void PaintMovieFrame(HWND window) {
  if (!GetUpdateRect(window, nullptr, FALSE)) return;
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  if (g_movieBuf) {
    VidBufBlit(g_movieBuf, dc, 0, 0, 0, 0, static_cast<int>(g_movie->Width),
               static_cast<int>(g_movie->Height));
  }
  EndPaint(window, &paint);
}
