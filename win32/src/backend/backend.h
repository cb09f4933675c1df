// What the platform needs from the world outside the process: a display and a user. Two
// backends: SDL2 (a real window and real input) and headless (a script and a log).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/settings.h"

namespace win32 {

class Backend {
 public:
  virtual ~Backend() = default;

  // The screen mode to use when the settings name none.
  virtual ScreenMode DesktopMode() = 0;

  // The program waits for input and has nothing else to do: shows the screen and returns
  // once it has queued input (QueueInput) or posted a message. May end the process.
  virtual void WaitForInput() = 0;

  // The program looks at its queue without waiting: queues the input that has arrived.
  virtual void PollInput() = 0;

  // The program waits for input until `due` (program clock time; none: no limit), showing
  // the screen. True once it has queued input or posted a message, false when `due` has come.
  // May end the process.
  virtual bool WaitUntil(std::optional<int64_t> due) = 0;

  // An event line the program wrote to the log itself (through its debug output).
  virtual void NoteEvent(const std::string& line) { (void)line; }
};

Backend& CurrentBackend();

// Ends the process with `code`, logging it as every exit is logged.
[[noreturn]] void ExitProcessWithCode(int code);

}  // namespace win32
