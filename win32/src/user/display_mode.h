// A change of display mode while the program runs.
#pragma once

#include "platform/settings.h"

namespace win32 {

// The screen takes the new mode; top-level windows keep their rectangles, hear
// WM_DISPLAYCHANGE, and everything is painted again: the desktop black at once, the windows
// through WM_PAINT for the parts of them that show.
void ChangeDisplayMode(const ScreenMode& mode);

}  // namespace win32
