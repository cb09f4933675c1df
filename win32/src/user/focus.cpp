// Activation, keyboard focus and mouse capture.
#include "focus.h"

#include "user_state.h"

namespace win32 {
namespace {

void ActivateNext(const Window& leaving) {
  for (Window* w : StackingOrder()) {
    if (w != &leaving && !w->destroying && (w->style & WS_VISIBLE) && !(w->style & WS_DISABLED)) {
      ActivateWindow(*w, WA_ACTIVE);
      return;
    }
  }
}

}  // namespace

void ActivateWindow(Window& window, WORD how) {
  if (User().active == window.handle) return;
  HWND previous = User().active;
  HWND handle = window.handle;
  if (previous) {
    if (User().focus == previous) {
      User().focus = nullptr;
      SendMessageA(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(handle), 0);
    }
    SendMessageA(previous, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0),
                 reinterpret_cast<LPARAM>(handle));
  }
  User().active = handle;
  BringToTop(window);
  SendMessageA(handle, WM_QUERYNEWPALETTE, 0, 0);
  if (User().active == handle) {
    SendMessageA(handle, WM_ACTIVATE, MAKEWPARAM(how, 0), reinterpret_cast<LPARAM>(previous));
  }
}

void WindowHidden(const Window& window) {
  if (User().focus == window.handle) User().focus = nullptr;
  if (User().active == window.handle) {
    User().active = nullptr;
    ActivateNext(window);
  }
}

void WindowGone(const Window& window) {
  if (User().capture == window.handle) User().capture = nullptr;
  WindowHidden(window);
}

}  // namespace win32

HWND WINAPI GetActiveWindow(void) { return win32::User().active; }

HWND WINAPI GetFocus(void) { return win32::User().focus; }

HWND WINAPI SetFocus(HWND handle) {
  HWND previous = win32::User().focus;
  if (handle == previous) return previous;
  if (handle) {
    win32::Window* w = win32::FindWindow(handle);
    if (!w || (w->style & WS_DISABLED)) return nullptr;
    if (win32::User().active != handle) win32::ActivateWindow(*w, WA_ACTIVE);
    if (win32::User().focus == handle) return previous;
  }
  if (previous) {
    win32::User().focus = nullptr;
    SendMessageA(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(handle), 0);
  }
  win32::User().focus = handle;
  if (handle) SendMessageA(handle, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
  return previous;
}

HWND WINAPI GetCapture(void) { return win32::User().capture; }

HWND WINAPI SetCapture(HWND handle) {
  HWND previous = win32::User().capture;
  if (!win32::FindWindow(handle)) return previous;
  win32::User().capture = handle;
  // The holder is told even when it takes the capture again itself, as Wine does.
  if (previous) SendMessageA(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(handle));
  return previous;
}

BOOL WINAPI ReleaseCapture(void) {
  HWND previous = win32::User().capture;
  win32::User().capture = nullptr;
  if (previous) SendMessageA(previous, WM_CAPTURECHANGED, 0, 0);
  return TRUE;
}
