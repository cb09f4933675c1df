// The headless backend: no display; input comes from the script (CHANNELS_SCRIPT) and what
// the user would see goes to the event log (CHANNELS_LOG) and to screenshots.
#pragma once

#include "backend/backend.h"
#include "script.h"

namespace win32 {

class HeadlessBackend : public Backend {
 public:
  HeadlessBackend();  // the script of the settings
  explicit HeadlessBackend(Script script) : script_(std::move(script)) {}

  ScreenMode DesktopMode() override { return ScreenMode{}; }
  void WaitForInput() override { WaitUntil(std::nullopt); }
  void PollInput() override {}
  bool WaitUntil(std::optional<int64_t> due) override;
  void NoteEvent(const std::string& line) override;

 private:
  // Runs one command; true when it gave the program something to do.
  bool Execute(const ScriptCommand& command);
  void Complain(const ScriptCommand& command, const char* why);

  Script script_;
  // A `wait` in progress: the script goes on at this clock time.
  std::optional<int64_t> resumeAt_;
  // An `until frame` in progress.
  std::optional<ScriptCommand> untilFrame_;
  // The highest frame shown of the movie opened last; -1 before its first.
  long lastFrame_ = -1;
};

}  // namespace win32
