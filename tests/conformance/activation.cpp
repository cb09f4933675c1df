// Activation and focus: a visible popup is activated when created and takes the keyboard
// focus, hears WM_MOVE with its position, and when it is destroyed the window below it
// becomes active again and gets the focus back.
#include "check.h"

using conformance::Check;

namespace {

HWND g_deactivatedFor = nullptr;
int g_deactivations = 0;
LPARAM g_move = -1;

LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_ACTIVATE && LOWORD(wp) == WA_INACTIVE) {
    ++g_deactivations;
    g_deactivatedFor = reinterpret_cast<HWND>(lp);
  }
  if (m == WM_MOVE) g_move = lp;
  return DefWindowProcA(w, m, wp, lp);
}

}  // namespace

int main() {
  HWND below = conformance::MakeWindow("ActivationBelow", Proc, 0, 0, 300, 200);
  conformance::Drain();
  Check(GetActiveWindow() == below && GetFocus() == below,
        "a new visible popup is active and focused");

  HWND above = conformance::MakeWindow("ActivationAbove", Proc, 20, 30, 100, 100);
  Check(g_move == MAKELPARAM(20, 30), "WM_MOVE gives the window's position");
  conformance::Drain();
  Check(GetActiveWindow() == above && GetFocus() == above, "the newer popup takes over");
  Check(g_deactivations == 1 && g_deactivatedFor == above,
        "the older one hears WM_ACTIVATE WA_INACTIVE naming the newer");

  DestroyWindow(above);
  conformance::Drain();
  Check(GetActiveWindow() == below && GetFocus() == below,
        "after the newer one is gone the older one is active and focused again");
  DestroyWindow(below);
  return conformance::Finish("activation");
}
