// The headless backend: no display; input comes from the script (CHANNELS_SCRIPT) and what
// the user would see goes to the event log (CHANNELS_LOG) and to screenshots.
#pragma once

#include "backend/backend.h"
#include "script.h"

namespace win32 {

class HeadlessBackend : public Backend {
 public:
  HeadlessBackend();

  ScreenMode DesktopMode() override { return ScreenMode{}; }
  void WaitForInput() override;
  void PollInput() override {}

 private:
  // Runs one command; true when it gave the program something to do.
  bool Execute(const ScriptCommand& command);
  void Complain(const ScriptCommand& command, const char* why);

  Script script_;
};

}  // namespace win32
