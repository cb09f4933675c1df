// The headless input script: one command a line, run in order whenever the program waits
// for input.
#pragma once

#include <deque>
#include <optional>
#include <string>

#include "platform/settings.h"

namespace win32 {

struct ScriptCommand {
  enum class Kind {
    kDown,
    kUp,
    kClick,
    kRightClick,
    kMiddleClick,  // x, y
    kKey,
    kAltKey,      // name
    kWait,        // number: milliseconds
    kUntilFrame,  // number: frame index
    kUntilMsgbox,
    kMsgboxOk,
    kScreenshot,  // name: file
    kScreen,      // name: the new display mode, "WxH" (same depth) or as CHANNELS_SCREEN
  };
  Kind kind;
  int x = 0;
  int y = 0;
  long number = 0;
  std::string name;
  int line = 0;
  std::string text;  // the line as written, for messages
};

// The display mode a `screen` command asks for: "WxH" changes the size of `current`, a full
// mode as CHANNELS_SCREEN takes it replaces it. Nothing when the text is neither.
std::optional<ScreenMode> ScreenModeAfter(const ScreenMode& current, const std::string& text);

class Script {
 public:
  // Nothing, with `error` set, when a line is not a command.
  static std::optional<Script> Parse(const std::string& text, std::string& error);

  bool empty() const { return commands_.empty(); }
  const ScriptCommand& front() const { return commands_.front(); }
  void pop() { commands_.pop_front(); }

 private:
  std::deque<ScriptCommand> commands_;
};

}  // namespace win32
