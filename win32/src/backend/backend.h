// What the platform needs from the world outside the process: a display and a user. Two
// backends: SDL2 (a real window and real input) and headless (a script and a log).
#pragma once

#include <string>

#include "platform/settings.h"

namespace win32 {

class Backend {
 public:
  virtual ~Backend() = default;

  // The screen mode to use when the settings name none.
  virtual ScreenMode DesktopMode() = 0;

  // Shows a message box (texts in UTF-8, MB_* type) and waits until the user closes it;
  // returns the button pressed.
  virtual int RunMessageBox(const std::string& caption, const std::string& text,
                            unsigned type) = 0;
};

Backend& CurrentBackend();

// Ends the process with `code`, logging it as every exit is logged.
[[noreturn]] void ExitProcessWithCode(int code);

}  // namespace win32
