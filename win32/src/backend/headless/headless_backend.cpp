#include "headless_backend.h"

#include <cstdio>

#include "platform/event_log.h"
#include "platform/host_files.h"
#include "platform/screen.h"
#include "screenshot.h"
#include "win32/user.h"

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

const ScriptCommand& HeadlessBackend::NextCommand() {
  if (script_.empty()) {
    LogEvent("script-end");
    ExitProcessWithCode(2);
  }
  return script_.front();
}

void HeadlessBackend::Screenshot(const ScriptCommand& command) {
  if (!WriteScreenshot(CurrentScreen(), command.name)) {
    std::fprintf(stderr, "channels: script line %d: cannot write %s\n", command.line,
                 command.name.c_str());
  }
}

int HeadlessBackend::RunMessageBox(const std::string&, const std::string&, unsigned) {
  using K = ScriptCommand::Kind;
  while (true) {
    ScriptCommand command = NextCommand();
    script_.pop();
    switch (command.kind) {
      case K::kMsgboxOk:
        return IDOK;
      case K::kKey:
        // The box's only button is the default one, and Esc closes an OK box too.
        if (command.name == "Return" || command.name == "Space" || command.name == "Escape") {
          return IDOK;
        }
        break;
      case K::kScreenshot:
        Screenshot(command);
        break;
      case K::kUntilMsgbox:
      case K::kWait:
        break;
      default:
        std::fprintf(stderr, "channels: script line %d: \"%s\" has nothing to act on while a "
                     "message box is open\n", command.line, command.text.c_str());
        break;
    }
  }
}

}  // namespace win32
