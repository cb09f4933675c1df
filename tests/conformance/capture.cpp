// Mouse capture: SetCapture returns the previous holder, the window losing the capture is
// told who takes it, destroying the holder ends the capture, and while a window holds it a
// click over another window of the program goes to the holder, in the holder's client
// coordinates. Needs one click from outside, at (150, 50).
#include "check.h"

using conformance::Check;

namespace {

HWND g_lostTo = reinterpret_cast<HWND>(1);
int g_losses = 0;

LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_CAPTURECHANGED) {
    ++g_losses;
    g_lostTo = reinterpret_cast<HWND>(lp);
  }
  return DefWindowProcA(w, m, wp, lp);
}

}  // namespace

int main() {
  HWND first = conformance::MakeWindow("CaptureFirst", Proc, 0, 0, 100, 100);
  HWND second = conformance::MakeWindow("CaptureSecond", Proc, 100, 0, 100, 100);
  conformance::Drain();
  Check(GetCapture() == nullptr, "nobody holds the capture at first");
  Check(SetCapture(first) == nullptr, "SetCapture returns the previous holder: none");
  Check(GetCapture() == first, "the window holds the capture");
  Check(SetCapture(second) == first, "SetCapture returns the previous holder");
  Check(g_losses == 1 && g_lostTo == second, "the loser hears WM_CAPTURECHANGED naming the taker");
  ReleaseCapture();
  Check(GetCapture() == nullptr, "ReleaseCapture ends it");
  Check(g_losses == 2 && g_lostTo == nullptr, "and tells the holder, naming nobody");
  SetCapture(first);
  DestroyWindow(first);
  Check(GetCapture() == nullptr, "destroying the holder ends the capture");
  Check(SetCapture(second) == nullptr, "so the next SetCapture has no previous holder");
  ReleaseCapture();

  // The click lands on `second`, at (150, 50) of the screen, while `third` holds the capture.
  HWND third = conformance::MakeWindow("CaptureThird", Proc, 0, 0, 100, 100);
  conformance::Drain();
  SetCapture(third);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) && msg.message != WM_LBUTTONDOWN) DispatchMessageA(&msg);
  Check(msg.hwnd == third, "the click goes to the window holding the capture");
  Check(
      static_cast<short>(LOWORD(msg.lParam)) == 150 && static_cast<short>(HIWORD(msg.lParam)) == 50,
      "at the point in the holder's client coordinates");
  ReleaseCapture();
  DestroyWindow(third);
  DestroyWindow(second);
  return conformance::Finish("capture");
}
