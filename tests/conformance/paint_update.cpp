// Update areas: InvalidateRect adds to them, GetUpdateRect reports their bounds without
// validating, BeginPaint erases when asked, reports the bounds and validates, a window's
// first paint covers all of it, and nothing is left to paint afterwards.
#include "check.h"

using conformance::Check;

namespace {

int g_erases = 0;
int g_paints = 0;
RECT g_painted = {};
BOOL g_eraseFlag = FALSE;

LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  switch (m) {
    case WM_ERASEBKGND:
      ++g_erases;
      return 1;
    case WM_PAINT: {
      ++g_paints;
      PAINTSTRUCT ps;
      BeginPaint(w, &ps);
      g_painted = ps.rcPaint;
      g_eraseFlag = ps.fErase;
      EndPaint(w, &ps);
      return 0;
    }
  }
  return DefWindowProcA(w, m, wp, lp);
}

bool Same(const RECT& a, int l, int t, int r, int b) {
  return a.left == l && a.top == t && a.right == r && a.bottom == b;
}

}  // namespace

int main() {
  HWND window = conformance::MakeWindow("PaintUpdate", Proc, 10, 20, 200, 150);
  RECT r;
  Check(GetUpdateRect(window, &r, FALSE) && Same(r, 0, 0, 200, 150),
        "a new visible window has all of its client area to paint");
  conformance::Drain();
  Check(g_paints == 1 && g_erases == 1, "its first paint erases once");
  Check(Same(g_painted, 0, 0, 200, 150), "its first paint covers the whole client area");
  Check(!GetUpdateRect(window, &r, FALSE), "nothing is left to paint");

  g_paints = g_erases = 0;
  RECT a = {10, 10, 30, 40};
  RECT b = {50, 20, 60, 90};
  InvalidateRect(window, &a, FALSE);
  InvalidateRect(window, &b, TRUE);
  Check(GetUpdateRect(window, &r, FALSE) && Same(r, 10, 10, 60, 90),
        "GetUpdateRect gives the bounds of everything invalidated");
  Check(GetUpdateRect(window, nullptr, FALSE), "and still does when asked again");
  conformance::Drain();
  Check(g_paints == 1, "the two areas come as one paint");
  Check(g_erases == 1, "erased because one of the invalidations asked for it");
  Check(Same(g_painted, 10, 10, 60, 90), "the paint rectangle is the bounds");
  Check(!g_eraseFlag, "fErase is clear when the erase was done");

  g_paints = g_erases = 0;
  InvalidateRect(window, nullptr, FALSE);
  conformance::Drain();
  Check(g_paints == 1 && g_erases == 0, "no erase when none was asked for");

  InvalidateRect(window, nullptr, FALSE);
  ValidateRect(window, nullptr);
  MSG msg;
  Check(!PeekMessageA(&msg, window, WM_PAINT, WM_PAINT, PM_NOREMOVE),
        "a validated window asks for no paint");

  DestroyWindow(window);
  return conformance::Finish("paint_update");
}
