// A message box with no owner runs its own modal loop, which still dispatches the messages
// of the program's other windows; it disables none of them.
#include "check.h"

using conformance::Check;

namespace {

HWND g_window = nullptr;
bool g_dispatched = false;
bool g_enabled = false;

LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_USER) {
    g_dispatched = true;
    g_enabled = IsWindowEnabled(g_window) != 0;
    // Answer the box as a user would: Enter on whatever has the focus in it.
    PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 0x001C0001);
    return 0;
  }
  return DefWindowProcA(w, m, wp, lp);
}

}  // namespace

int main() {
  g_window = conformance::MakeWindow("MessageBoxLoop", Proc, 0, 0, 300, 200);
  conformance::Drain();
  PostMessageA(g_window, WM_USER, 0, 0);
  int answer = MessageBoxA(nullptr, "Conformance", "Message box loop", MB_OK | MB_ICONEXCLAMATION);
  Check(g_dispatched, "the box's loop dispatched the other window's message");
  Check(g_enabled, "the other window stayed enabled");
  Check(answer == IDOK, "Enter pressed OK");
  DestroyWindow(g_window);
  return conformance::Finish("message_box_loop");
}
