// The thread's message queue. Messages come out in the order Windows gives them: posted
// messages first (even those posted after the quit request), then WM_QUIT, then input, then
// WM_PAINT for a window with something to repaint. There are no timers.
#include <deque>

#include "backend/backend.h"
#include "input.h"
#include "user_state.h"
#include "window.h"

namespace win32 {
namespace {

std::deque<MSG>& Posted() { return User().posted; }

bool InRange(UINT message, UINT first, UINT last) {
  return (first == 0 && last == 0) || (message >= first && message <= last);
}

bool ForWindow(HWND target, HWND filter) { return !filter || target == filter; }

// The next message, or false when the queue is empty. WM_PAINT stays until the window has
// been repainted.
bool NextMessage(MSG& msg, HWND filter, UINT first, UINT last, bool remove) {
  auto& posted = Posted();
  for (auto it = posted.begin(); it != posted.end(); ++it) {
    if (ForWindow(it->hwnd, filter) && InRange(it->message, first, last)) {
      msg = *it;
      if (remove) posted.erase(it);
      return true;
    }
  }
  if (User().quit && InRange(WM_QUIT, first, last)) {
    msg = MSG{};
    msg.message = WM_QUIT;
    msg.wParam = static_cast<WPARAM>(User().quitCode);
    if (remove) User().quit = false;
    return true;
  }
  if (InRange(WM_MOUSEMOVE, first, last) || InRange(WM_KEYDOWN, first, last)) {
    // Input is not filtered by window here: the program's loops all take every window's.
    if (InputPending() && TakeInputMessage(msg)) {
      if (!remove) Posted().push_front(msg);
      return true;
    }
  }
  if (InRange(WM_PAINT, first, last)) {
    for (Window* w : StackingOrder()) {
      if ((w->style & WS_VISIBLE) && !w->update.Empty() && ForWindow(w->handle, filter)) {
        msg = MSG{};
        msg.hwnd = w->handle;
        msg.message = WM_PAINT;
        return true;
      }
    }
  }
  return false;
}

bool AnythingQueued() {
  MSG msg;
  return NextMessage(msg, nullptr, 0, 0, false);
}

}  // namespace
}  // namespace win32

BOOL WINAPI PeekMessageA(LPMSG msg, HWND window, UINT first, UINT last, UINT remove) {
  win32::CurrentBackend().PollInput();
  MSG taken;
  if (!win32::NextMessage(taken, window, first, last, (remove & PM_REMOVE) != 0)) return FALSE;
  if (msg) *msg = taken;
  return TRUE;
}

BOOL WINAPI GetMessageA(LPMSG msg, HWND window, UINT first, UINT last) {
  MSG taken;
  while (!PeekMessageA(&taken, window, first, last, PM_REMOVE)) {
    win32::CurrentBackend().WaitForInput();
  }
  if (msg) *msg = taken;
  return taken.message != WM_QUIT;
}

BOOL WINAPI WaitMessage(void) {
  win32::CurrentBackend().PollInput();
  if (!win32::AnythingQueued()) win32::CurrentBackend().WaitForInput();
  return TRUE;
}

BOOL WINAPI PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (window && !win32::FindWindow(window)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  MSG msg = {};
  msg.hwnd = window;
  msg.message = message;
  msg.wParam = wParam;
  msg.lParam = lParam;
  win32::Posted().push_back(msg);
  return TRUE;
}

void WINAPI PostQuitMessage(int exitCode) {
  win32::User().quit = true;
  win32::User().quitCode = exitCode;
}

LRESULT WINAPI SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  win32::Window* w = win32::FindWindow(window);
  if (!w || !w->proc) return 0;
  return w->proc(window, message, wParam, lParam);
}

LRESULT WINAPI DispatchMessageA(const MSG* msg) {
  if (!msg) return 0;
  return SendMessageA(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

BOOL WINAPI TranslateMessage(const MSG* msg) {
  if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)) return FALSE;
  char c = win32::KeyCharacter(static_cast<UINT>(msg->wParam));
  if (!c) return FALSE;
  MSG character = *msg;
  character.message = msg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
  character.wParam = static_cast<unsigned char>(c);
  win32::Posted().push_back(character);
  return TRUE;
}
