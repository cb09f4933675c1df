#include "headless_backend.h"

#include <unistd.h>

#include <cstdio>

#include "platform/event_log.h"
#include "platform/host_files.h"
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

void HeadlessBackend::WaitForInput() {
  while (true) {
    if (script_.empty()) {
      LogEvent("script-end");
      ExitProcessWithCode(2);
    }
    ScriptCommand command = script_.front();
    script_.pop();
    if (Execute(command)) return;
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
      // There are no timers: on the virtual clock waiting changes nothing.
      if (!CurrentSettings().virtualClock) usleep(static_cast<useconds_t>(command.number) * 1000);
      return false;
    case K::kUntilMsgbox:
      if (!TopMessageBox())
        Complain(command, "no message box is open, and nothing else will open one");
      return false;
    case K::kUntilFrame:
      Complain(command, "no movie is playing");
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
