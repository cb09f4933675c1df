// Windows of the process: their records, the stacking order and the areas they show.
// Every window is a top-level popup on the one screen: its client area is its whole
// rectangle, in screen coordinates.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/region.h"
#include "win32_api.h"

namespace win32 {

struct DialogInfo;       // dialog.h
struct MessageBoxState;  // message_box.h

struct WindowClass {
  std::string name;
  WNDCLASSA fields;
  ATOM atom;
};

struct Window {
  HWND handle = nullptr;
  const WindowClass* windowClass = nullptr;
  WNDPROC proc = nullptr;
  DWORD style = 0;
  DWORD exStyle = 0;
  RECT rect{};  // screen coordinates
  std::string title;
  HWND owner = nullptr;
  HINSTANCE instance = nullptr;
  LONG_PTR userData = 0;
  std::vector<unsigned char> extra;  // the class's window extra bytes
  Region update;                     // screen coordinates
  bool erase = false;                // the update area still has to be erased
  bool destroying = false;
  std::unique_ptr<DialogInfo> dialog;           // dialogs: the modal loop's state
  std::unique_ptr<MessageBoxState> messageBox;  // message boxes: what the box shows

  Window();
  ~Window();
};

// The class of a name, compared without regard to case; null when none is registered.
const WindowClass* FindClass(LPCSTR name);

// The window of a handle; null for anything that is not a live window.
Window* FindWindow(HWND handle);

// All windows, topmost first.
const std::vector<Window*>& StackingOrder();

// The part of the screen where the window shows: its rectangle on the screen, minus the
// windows above it. Empty while it is hidden.
Region VisibleRegion(const Window& window);

// The topmost visible window containing a screen point, or null.
Window* WindowAtPoint(POINT point);

// Adds a screen area to the update areas of whatever shows there now; the desktop, which
// has no window, is painted black at once.
void ExposeArea(const Region& area);

// A window as the event log names it.
void LogWindowEvent(const char* op, const Window& window);

}  // namespace win32

namespace win32 {

// Puts a window above all others (below topmost ones unless it is topmost itself) and marks
// the parts of it that come into view for repainting.
void BringToTop(Window& window);

}  // namespace win32
