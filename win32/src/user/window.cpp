// Creating, placing, showing and destroying windows; the stacking order.
#include "window.h"

#include <algorithm>
#include <cstring>

#include "base/code_page_1252.h"
#include "dialog.h"
#include "focus.h"
#include "gdi/draw.h"
#include "message_box.h"
#include "platform/event_log.h"
#include "platform/screen.h"
#include "user_state.h"

namespace win32 {
namespace {

std::map<HWND, std::unique_ptr<Window>>& Windows() { return User().windows; }

std::vector<Window*>& Stack() { return User().stacking; }

Window& Desktop() { return User().desktop; }

bool IsDesktop(HWND handle) { return handle == Desktop().handle; }

RECT ScreenRect() { return RECT{0, 0, CurrentScreen().width(), CurrentScreen().height()}; }

bool Visible(const Window& w) { return (w.style & WS_VISIBLE) != 0; }

void SetVisible(Window& w, bool show) {
  if (show == Visible(w)) return;
  if (show) {
    w.style |= WS_VISIBLE;
    InvalidateRect(w.handle, nullptr, TRUE);
  } else {
    Region before = VisibleRegion(w);
    w.style &= ~static_cast<DWORD>(WS_VISIBLE);
    ExposeArea(before);
    WindowHidden(w);
  }
}

// A window moved without a change of size takes along what it showed and had painted;
// whatever else of it shows now is to be painted, its pending update area moving with it.
void CarryContents(Window& w, const Region& before, int dx, int dy) {
  Region kept = before;
  for (const RECT& r : w.update.rects()) kept.Subtract(r);
  kept.Offset(dx, dy);
  Region after = VisibleRegion(w);
  kept.Intersect(after);
  CopyScreenArea(kept, dx, dy);
  w.update.Offset(dx, dy);
  Region uncovered = after;
  for (const RECT& r : kept.rects()) uncovered.Subtract(r);
  if (!uncovered.Empty()) {
    w.update.Add(uncovered);
    w.erase = true;
  }
  w.update.Intersect(after);
}

}  // namespace

// Out of line, where the per-window records are complete types.
Window::Window() = default;
Window::~Window() = default;

Window* FindWindow(HWND handle) {
  if (IsDesktop(handle)) return &Desktop();
  auto it = Windows().find(handle);
  return it == Windows().end() || it->second->destroying ? nullptr : it->second.get();
}

const std::vector<Window*>& StackingOrder() { return Stack(); }

Region VisibleRegion(const Window& window) {
  if (!Visible(window)) return Region();
  Region region(RectIntersection(window.rect, ScreenRect()));
  if (&window == &Desktop()) {
    for (const Window* w : Stack()) {
      if (Visible(*w)) region.Subtract(w->rect);
    }
    return region;
  }
  for (const Window* w : Stack()) {
    if (w == &window) break;
    if (Visible(*w)) region.Subtract(w->rect);
  }
  return region;
}

Window* WindowAtPoint(POINT point) {
  for (Window* w : Stack()) {
    RECT r = RectIntersection(w->rect, ScreenRect());
    if (Visible(*w) && point.x >= r.left && point.x < r.right && point.y >= r.top &&
        point.y < r.bottom) {
      return w;
    }
  }
  return nullptr;
}

void ExposeArea(const Region& area) {
  for (Window* w : Stack()) {
    Region part = VisibleRegion(*w);
    part.Intersect(area);
    if (part.Empty()) continue;
    w->update.Add(part);
    w->erase = true;
  }
  Region desktop = VisibleRegion(Desktop());
  desktop.Intersect(area);
  FillScreenArea(desktop, 0);
}

void BringToTop(Window& window) {
  Region before = VisibleRegion(window);
  auto& stack = Stack();
  stack.erase(std::find(stack.begin(), stack.end(), &window));
  auto at = stack.begin();
  if (!(window.exStyle & WS_EX_TOPMOST)) {
    while (at != stack.end() && ((*at)->exStyle & WS_EX_TOPMOST)) ++at;
  }
  stack.insert(at, &window);
  Region uncovered = VisibleRegion(window);
  for (const RECT& r : before.rects()) uncovered.Subtract(r);
  if (!uncovered.Empty()) {
    window.update.Add(uncovered);
    window.erase = true;
  }
}

void LogWindowEvent(const char* op, const Window& window) {
  const RECT& r = window.rect;
  LogEvent(
      "window",
      {{"op", JsonValue::String(op)},
       {"class", JsonValue::String(base::codePage1252ToUtf8(window.windowClass->name))},
       {"title", JsonValue::String(base::codePage1252ToUtf8(window.title))},
       {"rect", JsonValue::Raw("[" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
                               std::to_string(r.right) + "," + std::to_string(r.bottom) + "]")}});
}

}  // namespace win32

using win32::FindWindow;
using win32::Window;

HWND WINAPI CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR title, DWORD style, int x,
                            int y, int width, int height, HWND parent, HMENU, HINSTANCE instance,
                            LPVOID) {
  const win32::WindowClass* windowClass = win32::FindClass(className);
  if (!windowClass) {
    SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
    return nullptr;
  }
  if (parent && !FindWindow(parent)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  if (x == CW_USEDEFAULT) x = y = 0;
  if (width == CW_USEDEFAULT) {
    width = win32::CurrentScreen().width();
    height = win32::CurrentScreen().height();
  }
  auto record = std::make_unique<Window>();
  Window& w = *record;
  w.handle = reinterpret_cast<HWND>(win32::User().nextHandle);
  win32::User().nextHandle += 4;
  w.windowClass = windowClass;
  w.proc = windowClass->fields.lpfnWndProc;
  w.style = style & ~static_cast<DWORD>(WS_VISIBLE);
  w.exStyle = exStyle;
  w.rect = RECT{x, y, x + std::max(width, 0), y + std::max(height, 0)};
  w.title = title ? title : "";
  w.owner = win32::IsDesktop(parent) ? nullptr : parent;
  w.instance = instance;
  w.extra.assign(static_cast<size_t>(windowClass->fields.cbWndExtra), 0);
  HWND handle = w.handle;
  win32::Windows()[handle] = std::move(record);
  win32::Stack().insert(win32::Stack().begin(), &w);
  win32::BringToTop(w);
  win32::LogWindowEvent("create", w);

  if (SendMessageA(handle, WM_CREATE, 0, 0) == -1) {
    DestroyWindow(handle);
    return nullptr;
  }
  if (!FindWindow(handle)) return nullptr;
  SendMessageA(handle, WM_SIZE, 0, MAKELPARAM(width, height));
  SendMessageA(handle, WM_MOVE, 0, MAKELPARAM(x, y));
  if ((style & WS_VISIBLE) && FindWindow(handle)) ShowWindow(handle, SW_SHOW);
  return FindWindow(handle) ? handle : nullptr;
}

BOOL WINAPI DestroyWindow(HWND handle) {
  Window* w = FindWindow(handle);
  if (!w || win32::IsDesktop(handle)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  // Owned windows go first, as they cannot outlive their owner.
  std::vector<HWND> owned;
  for (Window* other : win32::Stack()) {
    if (other->owner == handle) owned.push_back(other->handle);
  }
  for (HWND o : owned) DestroyWindow(o);

  win32::SetVisible(*w, false);
  SendMessageA(handle, WM_DESTROY, 0, 0);
  SendMessageA(handle, WM_NCDESTROY, 0, 0);
  w->destroying = true;
  win32::WindowGone(*w);
  win32::LogWindowEvent("destroy", *w);
  auto& stack = win32::Stack();
  stack.erase(std::find(stack.begin(), stack.end(), w));
  win32::Windows().erase(handle);
  return TRUE;
}

BOOL WINAPI IsWindow(HWND handle) { return FindWindow(handle) != nullptr; }

BOOL WINAPI ShowWindow(HWND handle, int command) {
  Window* w = FindWindow(handle);
  if (!w) return FALSE;
  BOOL was = win32::Visible(*w);
  bool show = command != SW_HIDE;
  if (show && !was) {
    SendMessageA(handle, WM_SHOWWINDOW, TRUE, 0);
    if (!(w = FindWindow(handle))) return was;
  }
  win32::SetVisible(*w, show);
  if (show && !(w->style & WS_DISABLED)) win32::ActivateWindow(*w, WA_ACTIVE);
  return was;
}

BOOL WINAPI EnableWindow(HWND handle, BOOL enable) {
  Window* w = FindWindow(handle);
  if (!w) return FALSE;
  BOOL wasDisabled = (w->style & WS_DISABLED) != 0;
  if (enable) {
    w->style &= ~static_cast<DWORD>(WS_DISABLED);
  } else {
    w->style |= WS_DISABLED;
    if (GetFocus() == handle) SetFocus(nullptr);
  }
  if (wasDisabled != !enable) SendMessageA(handle, WM_ENABLE, enable, 0);
  return wasDisabled;
}

BOOL WINAPI IsWindowEnabled(HWND handle) {
  Window* w = FindWindow(handle);
  return w && !(w->style & WS_DISABLED);
}

BOOL WINAPI SetWindowPos(HWND handle, HWND, int x, int y, int cx, int cy, UINT flags) {
  Window* w = FindWindow(handle);
  if (!w || win32::IsDesktop(handle)) return FALSE;
  RECT old = w->rect;
  RECT next = old;
  if (!(flags & SWP_NOMOVE)) {
    next.right = x + (old.right - old.left);
    next.bottom = y + (old.bottom - old.top);
    next.left = x;
    next.top = y;
  }
  if (!(flags & SWP_NOSIZE)) {
    next.right = next.left + std::max(cx, 0);
    next.bottom = next.top + std::max(cy, 0);
  }
  bool moved = next.left != old.left || next.top != old.top;
  bool sized = next.right - next.left != old.right - old.left ||
               next.bottom - next.top != old.bottom - old.top;
  if (moved || sized) {
    win32::Region before = win32::VisibleRegion(*w);
    w->rect = next;
    if (sized) {
      // A new size: all of it is painted again.
      w->update = win32::Region();
      InvalidateRect(handle, nullptr, TRUE);
    } else {
      win32::CarryContents(*w, before, next.left - old.left, next.top - old.top);
    }
    before.Subtract(next);
    win32::ExposeArea(before);
  }
  if (!(flags & SWP_NOZORDER)) win32::BringToTop(*w);
  if (flags & SWP_SHOWWINDOW) win32::SetVisible(*w, true);
  if (flags & SWP_HIDEWINDOW) win32::SetVisible(*w, false);
  if (moved) SendMessageA(handle, WM_MOVE, 0, MAKELPARAM(next.left, next.top));
  if (sized) {
    SendMessageA(handle, WM_SIZE, 0, MAKELPARAM(next.right - next.left, next.bottom - next.top));
  }
  if (!(flags & (SWP_NOACTIVATE | SWP_NOZORDER)) && win32::Visible(*w) &&
      !(w->style & WS_DISABLED)) {
    win32::ActivateWindow(*w, WA_ACTIVE);
  }
  return TRUE;
}

BOOL WINAPI GetWindowRect(HWND handle, LPRECT rect) {
  Window* w = FindWindow(handle);
  if (!w || !rect) return FALSE;
  *rect = w->rect;
  return TRUE;
}

BOOL WINAPI GetClientRect(HWND handle, LPRECT rect) {
  Window* w = FindWindow(handle);
  if (!w || !rect) return FALSE;
  *rect = RECT{0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top};
  return TRUE;
}

HWND WINAPI GetDesktopWindow(void) { return win32::Desktop().handle; }

LONG_PTR WINAPI GetWindowLongPtrA(HWND handle, int index) {
  Window* w = FindWindow(handle);
  if (!w) return 0;
  switch (index) {
    case GWL_STYLE:
      return static_cast<LONG_PTR>(static_cast<LONG>(w->style));
    case GWL_EXSTYLE:
      return static_cast<LONG_PTR>(static_cast<LONG>(w->exStyle));
    case GWLP_WNDPROC:
      return reinterpret_cast<LONG_PTR>(w->proc);
    case GWLP_HINSTANCE:
      return reinterpret_cast<LONG_PTR>(w->instance);
    case GWLP_USERDATA:
      return w->userData;
  }
  if (index < 0 || static_cast<size_t>(index) + sizeof(LONG_PTR) > w->extra.size()) {
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
  }
  LONG_PTR value;
  std::memcpy(&value, w->extra.data() + index, sizeof value);
  return value;
}

LONG_PTR WINAPI SetWindowLongPtrA(HWND handle, int index, LONG_PTR value) {
  Window* w = FindWindow(handle);
  if (!w) return 0;
  LONG_PTR old = GetWindowLongPtrA(handle, index);
  switch (index) {
    case GWL_STYLE:
      w->style = static_cast<DWORD>(value);
      return old;
    case GWL_EXSTYLE:
      w->exStyle = static_cast<DWORD>(value);
      return old;
    case GWLP_WNDPROC:
      w->proc = reinterpret_cast<WNDPROC>(value);
      return old;
    case GWLP_HINSTANCE:
      w->instance = reinterpret_cast<HINSTANCE>(value);
      return old;
    case GWLP_USERDATA:
      w->userData = value;
      return old;
  }
  if (index < 0 || static_cast<size_t>(index) + sizeof(LONG_PTR) > w->extra.size()) {
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
  }
  std::memcpy(w->extra.data() + index, &value, sizeof value);
  return old;
}

int WINAPI GetSystemMetrics(int index) {
  switch (index) {
    case SM_CXSCREEN:
      return win32::CurrentScreen().width();
    case SM_CYSCREEN:
      return win32::CurrentScreen().height();
    default:
      return 0;
  }
}
