// PeekMessage takes posted messages first (even those posted after PostQuitMessage), then
// WM_QUIT, then input, then WM_PAINT. Needs one key press from outside (the letter A).
#include <vector>

#include "check.h"

using conformance::Check;

namespace {

LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }

}  // namespace

int main() {
  HWND window = conformance::MakeWindow("QueueOrder", Proc);
  Check(window != nullptr, "the window is created");
  // Wait for the key to come down; its release then waits in the input queue.
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) && msg.message != WM_KEYDOWN) DispatchMessageA(&msg);
  Sleep(500);
  // A look for a message that never comes makes the system read the input that has arrived
  // (Wine reads X events only when the queue has nothing that matches).
  PeekMessageA(&msg, nullptr, WM_USER + 1, WM_USER + 1, PM_NOREMOVE);
  ValidateRect(window, nullptr);
  InvalidateRect(window, nullptr, FALSE);
  PostQuitMessage(7);
  PostMessageA(window, WM_USER, 0, 0);

  std::vector<UINT> order;
  WPARAM quitCode = 0;
  for (int i = 0; i < 50 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    if (msg.message == WM_USER || msg.message == WM_QUIT || msg.message == WM_KEYUP ||
        msg.message == WM_PAINT) {
      order.push_back(msg.message);
    }
    if (msg.message == WM_QUIT) quitCode = msg.wParam;
    if (msg.message == WM_PAINT) ValidateRect(window, nullptr);
  }
  bool inOrder = order == std::vector<UINT>({WM_USER, WM_QUIT, WM_KEYUP, WM_PAINT});
  Check(inOrder, "posted, then quit, then input, then paint");
  if (!inOrder) {
    for (UINT m : order) std::printf("  came: 0x%04x\n", m);
  }
  Check(quitCode == 7, "WM_QUIT carries the exit code");
  Check(!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) || msg.message != WM_QUIT,
        "WM_QUIT comes once");
  DestroyWindow(window);
  return conformance::Finish("queue_order");
}
