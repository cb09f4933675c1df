#include "headless_backend.h"

#include <cstdio>
#include <cstdlib>

#include "platform/event_log.h"
#include "platform/host_files.h"
#include "platform/program_clock.h"
#include "platform/screen.h"
#include "screenshot.h"
#include "script_input.h"
#include "user/display_mode.h"
#include "user/message_box.h"

namespace win32 {

HeadlessBackend::HeadlessBackend() {
  const std::string& path = CurrentSettings().scriptPath;
  if (path.empty()) return;
  std::string text;
  std::string error;
  std::optional<Script> script;
  if (ReadWholeFile(path, text) != ReadStatus::kOk) {
    error = "cannot be read";
  } else {
    script = Script::Parse(text, error);
  }
  if (!script) {
    std::fprintf(stderr, "channels: script %s: %s\n", path.c_str(), error.c_str());
    ExitProcessWithCode(2);
  }
  script_ = std::move(*script);
}

// Script commands run while the program waits. A `wait` lets program time pass (on the
// virtual clock it jumps, stopping first at each time the program waits for); an `until
// frame` lets the program run until the movie has shown that frame.
bool HeadlessBackend::WaitUntil(std::optional<int64_t> due) {
  while (true) {
    if (resumeAt_) {
      if (due && *due <= *resumeAt_) {
        PassTimeUntil(*due);
        return false;
      }
      PassTimeUntil(*resumeAt_);
      resumeAt_.reset();
      continue;
    }
    if (untilFrame_) {
      if (lastFrame_ >= untilFrame_->number) {
        untilFrame_.reset();
      } else if (due) {
        PassTimeUntil(*due);
        return false;
      } else {
        Complain(*untilFrame_, "no movie is playing");
        untilFrame_.reset();
      }
      continue;
    }
    if (script_.empty()) {
      // The program may still get on by itself (a movie plays on); a wait for input alone
      // would never end.
      if (due) {
        PassTimeUntil(*due);
        return false;
      }
      LogEvent("script-end");
      ExitProcessWithCode(2);
    }
    ScriptCommand command = script_.front();
    script_.pop();
    if (Execute(command)) return true;
  }
}

void HeadlessBackend::NoteEvent(const std::string& line) {
  if (line.rfind("{\"ev\":\"movie\",\"op\":\"open\"", 0) == 0) {
    lastFrame_ = -1;
  } else if (line.rfind("{\"ev\":\"frame\",", 0) == 0) {
    static const char kIndex[] = "\"index\":";
    size_t at = line.find(kIndex);
    if (at != std::string::npos) {
      long index = std::strtol(line.c_str() + at + sizeof kIndex - 1, nullptr, 10);
      if (index > lastFrame_) lastFrame_ = index;
    }
  }
}

void HeadlessBackend::Complain(const ScriptCommand& command, const char* why) {
  std::fprintf(stderr, "channels: script line %d: \"%s\": %s\n", command.line, command.text.c_str(),
               why);
}

bool HeadlessBackend::Execute(const ScriptCommand& command) {
  using K = ScriptCommand::Kind;
  switch (command.kind) {
    case K::kScreenshot:
      if (!WriteScreenshot(CurrentScreen(), command.name))
        Complain(command, "cannot write the file");
      return false;
    case K::kScreen:
      ChangeDisplayMode(*ScreenModeAfter(CurrentScreen().mode(), command.name));
      return true;
    case K::kWait:
      resumeAt_ = ClockNow() + command.number * kClockTicksPerMs;
      return false;
    case K::kUntilMsgbox:
      if (!TopMessageBox())
        Complain(command, "no message box is open, and nothing else will open one");
      return false;
    case K::kUntilFrame:
      untilFrame_ = command;
      return false;
    case K::kMsgboxOk:
      if (HWND box = TopMessageBox()) {
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return true;
      }
      Complain(command, "no message box is open");
      return false;
    default: {
      std::optional<std::vector<InputEvent>> events = ScriptInput(command);
      if (!events) {
        Complain(command, "unknown key");
        return false;
      }
      for (const InputEvent& e : *events) QueueInput(e);
      return true;
    }
  }
}

}  // namespace win32
