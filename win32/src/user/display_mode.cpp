#include "display_mode.h"

#include <vector>

#include "platform/screen.h"
#include "user_state.h"

namespace win32 {

void ChangeDisplayMode(const ScreenMode& mode) {
  ReplaceScreen(mode);
  Window& desktop = User().desktop;
  desktop.rect = RECT{0, 0, mode.width, mode.height};
  ExposeArea(Region(desktop.rect));
  // A window may go away while it hears of the change: look each one up again.
  std::vector<HWND> windows;
  for (const Window* w : StackingOrder()) windows.push_back(w->handle);
  for (HWND handle : windows) {
    SendMessageA(handle, WM_DISPLAYCHANGE, static_cast<WPARAM>(mode.bitsPerPixel * mode.planes),
                 MAKELPARAM(mode.width, mode.height));
  }
}

}  // namespace win32
