#include "screen.h"

#include "backend/backend.h"

namespace win32 {

Screen::Screen(const ScreenMode& mode)
    : mode_(mode), pixels_(static_cast<size_t>(mode.width) * static_cast<size_t>(mode.height), 0) {}

Screen& CurrentScreen() {
  static Screen screen(CurrentSettings().screen.value_or(CurrentBackend().DesktopMode()));
  return screen;
}

}  // namespace win32
