// A borderless popup of a class with no background brush and CS_NOCLOSE, as a movie player
// uses one: shown, activated and focused at creation with all of it to repaint; moved by
// SetWindowPos, it hears WM_MOVE at once with its new place (signed) and keeps the contents
// it showed; the capture it holds ends with it, after WM_DESTROY and untold.
#include <vector>

#include "check.h"

using conformance::Check;

namespace {

std::vector<UINT> g_log;  // the popup's messages of interest, in order
LPARAM g_move = -1;
RECT g_painted = {};
int g_paints = 0;
HWND g_captureAtDestroy = nullptr;

LRESULT CALLBACK PopupProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  switch (m) {
    case WM_MOVE:
      g_move = lp;
      g_log.push_back(m);
      break;
    case WM_DESTROY:
      g_captureAtDestroy = GetCapture();
      g_log.push_back(m);
      break;
    case WM_CAPTURECHANGED:
      g_log.push_back(m);
      break;
    case WM_PAINT: {
      ++g_paints;
      PAINTSTRUCT ps;
      BeginPaint(w, &ps);
      g_painted = ps.rcPaint;
      EndPaint(w, &ps);
      return 0;
    }
  }
  return DefWindowProcA(w, m, wp, lp);
}

LRESULT CALLBACK BelowProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  return DefWindowProcA(w, m, wp, lp);
}

bool Same(const RECT& a, int l, int t, int r, int b) {
  return a.left == l && a.top == t && a.right == r && a.bottom == b;
}

void Show(const char* what, const RECT& r) {
  std::printf("  %s: %ld %ld %ld %ld\n", what, static_cast<long>(r.left), static_cast<long>(r.top),
              static_cast<long>(r.right), static_cast<long>(r.bottom));
}

}  // namespace

int main() {
  HWND below = conformance::MakeWindow("PopupBelow", BelowProc, 0, 0, 300, 200);
  conformance::Drain();

  WNDCLASSA c = {};
  c.style = CS_NOCLOSE;
  c.lpfnWndProc = PopupProc;
  c.hInstance = GetModuleHandleA(nullptr);
  c.lpszClassName = "PopupMove";
  RegisterClassA(&c);
  HWND popup = CreateWindowExA(0, "PopupMove", "Popup", WS_POPUP | WS_VISIBLE, 0, 0, 160, 120,
                               nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  Check(popup != nullptr, "the popup is created");
  Check(g_move == MAKELPARAM(0, 0), "it hears WM_MOVE at creation");
  Check(GetActiveWindow() == popup && GetFocus() == popup, "it is active and has the focus");
  RECT r;
  Check(GetUpdateRect(popup, &r, FALSE) && Same(r, 0, 0, 160, 120), "all of it is to be repainted");
  Check(GetUpdateRect(popup, nullptr, FALSE), "which GetUpdateRect tells without a rectangle");
  conformance::Drain();
  Check(g_paints == 1 && Same(g_painted, 0, 0, 160, 120), "its first paint covers it all");
  Check(!GetUpdateRect(popup, nullptr, FALSE), "and leaves nothing to repaint");

  // A move to the right: WM_MOVE comes before SetWindowPos returns.
  g_log.clear();
  g_paints = 0;
  SetWindowPos(popup, nullptr, 20, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  Check(g_log == std::vector<UINT>{WM_MOVE} && g_move == MAKELPARAM(20, 0),
        "WM_MOVE is sent at once with the new position");
  Check(GetWindowRect(popup, &r) && Same(r, 20, 0, 180, 120), "the size is kept");
  bool popupDirty = GetUpdateRect(popup, &r, FALSE);
  if (popupDirty) Show("popup to repaint", r);
  Check(!popupDirty, "a move in full view keeps the popup's contents: nothing to repaint");

  // Off the left edge: the position comes as signed 16-bit values.
  SetWindowPos(popup, nullptr, -3, 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  Check(static_cast<short>(LOWORD(g_move)) == -3 && static_cast<short>(HIWORD(g_move)) == 5,
        "a position left of the screen comes negative");
  conformance::Drain();

  // Capture: SetCapture returns the holder before, the holder itself included.
  g_log.clear();
  Check(SetCapture(popup) == nullptr, "no holder before");
  Check(SetCapture(popup) == popup, "the holder taking it again gets itself back");
  Check(g_log == std::vector<UINT>{WM_CAPTURECHANGED},
        "and hears WM_CAPTURECHANGED, as any holder does");
  g_log.clear();
  DestroyWindow(popup);
  Check(GetCapture() == nullptr, "destroying the holder ends the capture");
  Check(g_captureAtDestroy == popup, "it still holds the capture while it hears WM_DESTROY");
  Check(g_log == std::vector<UINT>{WM_DESTROY}, "and loses it without WM_CAPTURECHANGED");
  Check(GetActiveWindow() == below && GetFocus() == below, "the window below is active again");
  DestroyWindow(below);
  return conformance::Finish("popup_move");
}
