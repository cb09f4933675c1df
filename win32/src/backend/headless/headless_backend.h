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
  int RunMessageBox(const std::string& caption, const std::string& text, unsigned type) override;

 private:
  // The next command; ends the run (status 2) when the script is used up.
  const ScriptCommand& NextCommand();
  void Screenshot(const ScriptCommand& command);

  Script script_;
};

}  // namespace win32
