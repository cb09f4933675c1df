#include "user_state.h"

#include "platform/screen.h"

namespace win32 {

UserState::UserState() : nextHandle(0x10020) {
  // The system's dialog class, "#32770", whose window procedure is the dialog manager's.
  WNDCLASSA dialog = {};
  dialog.lpfnWndProc = DefDlgProcA;
  dialog.cbWndExtra = DLGWINDOWEXTRA;
  classes.push_back({"#32770", dialog, 0x8002});

  desktop.handle = reinterpret_cast<HWND>(static_cast<uintptr_t>(0x10010));
  desktop.style = WS_VISIBLE;
  desktop.rect = RECT{0, 0, CurrentScreen().width(), CurrentScreen().height()};
}

UserState& User() {
  static UserState state;
  return state;
}

}  // namespace win32
