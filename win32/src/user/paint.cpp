// Update areas and painting: GetDC, BeginPaint and the rest. A window's update area is kept
// within the part of the screen it shows; what another window uncovers is added to it.
#include "gdi/device_context.h"
#include "window.h"

using win32::FindWindow;
using win32::Window;

namespace {

win32::Region ClientArea(const Window& w, const RECT* rect) {
  if (!rect) return win32::Region(w.rect);
  return win32::Region(RECT{rect->left + w.rect.left, rect->top + w.rect.top,
                            rect->right + w.rect.left, rect->bottom + w.rect.top});
}

HDC UpdateAreaContext(const Window& w) {
  win32::Region clip = w.update;
  clip.Intersect(win32::VisibleRegion(w));
  return win32::CreateDeviceContext(w.handle, POINT{w.rect.left, w.rect.top}, clip);
}

// Sends WM_ERASEBKGND if the update area still has to be erased; true when it was erased.
bool EraseIfPending(Window& w, HDC dc) {
  if (!w.erase) return true;
  w.erase = false;
  return SendMessageA(w.handle, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) != 0;
}

}  // namespace

HDC WINAPI GetDC(HWND window) {
  int width = 0;
  int height = 0;
  Window* w = window ? FindWindow(window) : nullptr;
  if (window && !w) return nullptr;
  if (!w || window == GetDesktopWindow()) {
    width = GetSystemMetrics(SM_CXSCREEN);
    height = GetSystemMetrics(SM_CYSCREEN);
    return win32::CreateDeviceContext(window, POINT{0, 0},
                                      win32::Region(RECT{0, 0, width, height}));
  }
  return win32::CreateDeviceContext(window, POINT{w->rect.left, w->rect.top},
                                    win32::VisibleRegion(*w));
}

int WINAPI ReleaseDC(HWND, HDC dc) {
  if (!win32::FromHandle(dc)) return 0;
  win32::DeleteDeviceContext(dc);
  return 1;
}

HDC WINAPI BeginPaint(HWND window, LPPAINTSTRUCT paint) {
  Window* w = FindWindow(window);
  if (!w || !paint) return nullptr;
  HDC dc = UpdateAreaContext(*w);
  *paint = PAINTSTRUCT{};
  paint->hdc = dc;
  paint->fErase = !EraseIfPending(*w, dc);
  RECT bounds = w->update.Bounds();
  if (!win32::RectEmpty(bounds)) {
    paint->rcPaint = RECT{bounds.left - w->rect.left, bounds.top - w->rect.top,
                          bounds.right - w->rect.left, bounds.bottom - w->rect.top};
  }
  w->update.Clear();
  return dc;
}

BOOL WINAPI EndPaint(HWND, const PAINTSTRUCT* paint) {
  if (paint) win32::DeleteDeviceContext(paint->hdc);
  return TRUE;
}

BOOL WINAPI GetUpdateRect(HWND window, LPRECT rect, BOOL erase) {
  Window* w = FindWindow(window);
  if (!w) return FALSE;
  RECT bounds = w->update.Bounds();
  bool pending = !win32::RectEmpty(bounds);
  if (rect) {
    *rect = pending ? RECT{bounds.left - w->rect.left, bounds.top - w->rect.top,
                           bounds.right - w->rect.left, bounds.bottom - w->rect.top}
                    : RECT{0, 0, 0, 0};
  }
  if (pending && erase) {
    HDC dc = UpdateAreaContext(*w);
    EraseIfPending(*w, dc);
    win32::DeleteDeviceContext(dc);
  }
  return pending;
}

BOOL WINAPI InvalidateRect(HWND window, const RECT* rect, BOOL erase) {
  if (!window) {
    for (Window* w : win32::StackingOrder()) InvalidateRect(w->handle, nullptr, erase);
    return TRUE;
  }
  Window* w = FindWindow(window);
  if (!w) return FALSE;
  win32::Region area = ClientArea(*w, rect);
  area.Intersect(win32::VisibleRegion(*w));
  if (area.Empty()) return TRUE;
  w->update.Add(area);
  if (erase) w->erase = true;
  return TRUE;
}

BOOL WINAPI ValidateRect(HWND window, const RECT* rect) {
  Window* w = FindWindow(window);
  if (!w) return FALSE;
  if (!rect) {
    w->update.Clear();
  } else {
    win32::Region area = ClientArea(*w, rect);
    for (const RECT& r : area.rects()) w->update.Subtract(r);
  }
  if (w->update.Empty()) w->erase = false;
  return TRUE;
}
