#include "script.h"

#include <cstdio>
#include <map>
#include <sstream>

namespace win32 {
namespace {

struct Syntax {
  ScriptCommand::Kind kind;
  enum { kPoint, kName, kNumber, kNone } args;
};

const std::map<std::string, Syntax>& Commands() {
  using K = ScriptCommand::Kind;
  static const std::map<std::string, Syntax> commands = {
      {"down", {K::kDown, Syntax::kPoint}},
      {"up", {K::kUp, Syntax::kPoint}},
      {"click", {K::kClick, Syntax::kPoint}},
      {"rclick", {K::kRightClick, Syntax::kPoint}},
      {"mclick", {K::kMiddleClick, Syntax::kPoint}},
      {"key", {K::kKey, Syntax::kName}},
      {"altkey", {K::kAltKey, Syntax::kName}},
      {"wait", {K::kWait, Syntax::kNumber}},
      {"screenshot", {K::kScreenshot, Syntax::kName}},
      {"screen", {K::kScreen, Syntax::kName}},
  };
  return commands;
}

}  // namespace

std::optional<ScreenMode> ScreenModeAfter(const ScreenMode& current, const std::string& text) {
  int width = 0;
  int height = 0;
  char end = 0;
  if (std::sscanf(text.c_str(), "%5dx%5d%c", &width, &height, &end) == 2) {
    if (width <= 0 || height <= 0) return std::nullopt;
    ScreenMode mode = current;
    mode.width = width;
    mode.height = height;
    return mode;
  }
  return ParseScreenMode(text);
}

std::optional<Script> Script::Parse(const std::string& text, std::string& error) {
  Script script;
  std::istringstream lines(text);
  std::string line;
  int number = 0;
  while (std::getline(lines, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::istringstream words(line);
    std::string verb;
    if (!(words >> verb) || verb[0] == '#') continue;

    ScriptCommand command{};
    command.line = number;
    command.text = line;
    bool ok = true;
    if (verb == "until") {
      std::string what;
      words >> what;
      if (what == "msgbox") {
        command.kind = ScriptCommand::Kind::kUntilMsgbox;
      } else if (what == "frame") {
        command.kind = ScriptCommand::Kind::kUntilFrame;
        ok = static_cast<bool>(words >> command.number) && command.number >= 0;
      } else {
        ok = false;
      }
    } else if (verb == "msgbox") {
      std::string what;
      ok = (words >> what) && what == "ok";
      command.kind = ScriptCommand::Kind::kMsgboxOk;
    } else if (auto it = Commands().find(verb); it != Commands().end()) {
      command.kind = it->second.kind;
      switch (it->second.args) {
        case Syntax::kPoint:
          ok = static_cast<bool>(words >> command.x >> command.y);
          break;
        case Syntax::kName:
          ok = static_cast<bool>(words >> command.name);
          if (ok && command.kind == ScriptCommand::Kind::kScreen) {
            ok = ScreenModeAfter(ScreenMode{}, command.name).has_value();
          }
          break;
        case Syntax::kNumber:
          ok = static_cast<bool>(words >> command.number) && command.number >= 0;
          break;
        case Syntax::kNone:
          break;
      }
    } else {
      ok = false;
    }
    std::string rest;
    if (!ok || (words >> rest)) {
      error = "line " + std::to_string(number) + ": cannot read \"" + line + "\"";
      return std::nullopt;
    }
    script.commands_.push_back(command);
  }
  return script;
}

}  // namespace win32
