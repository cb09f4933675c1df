// Everything USER keeps for the process, in one place: the window classes, the windows and
// their stacking order, who is active, focused and holds the capture, the input waiting to
// be taken and the posted messages. What belongs to one window lives on its Window record.
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <vector>

#include "input.h"
#include "window.h"

namespace win32 {

struct UserState {
  UserState();

  // Registered classes, the system's own first. A deque: windows point at their class.
  std::deque<WindowClass> classes;

  // Every window but the desktop, by handle. Handles only grow, so the map is also in the
  // order of creation.
  std::map<HWND, std::unique_ptr<Window>> windows;
  std::vector<Window*> stacking;  // topmost first
  Window desktop;
  uintptr_t nextHandle;

  HWND active = nullptr;
  HWND focus = nullptr;
  HWND capture = nullptr;

  std::deque<InputEvent> input;
  WPARAM buttons = 0;  // MK_* of the mouse buttons held
  bool shift = false;
  POINT cursor{-1, -1};

  std::deque<MSG> posted;
  bool quit = false;  // PostQuitMessage was called and WM_QUIT not yet taken
  int quitCode = 0;
};

// The process's one USER state.
UserState& User();

}  // namespace win32
