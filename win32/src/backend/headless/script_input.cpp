#include "script_input.h"

#include <cctype>
#include <map>

namespace win32 {

std::optional<UINT> VirtualKeyOfName(const std::string& name) {
  static const std::map<std::string, UINT> keys = {
      {"Return", VK_RETURN}, {"Escape", VK_ESCAPE}, {"Space", VK_SPACE}, {"BackSpace", VK_BACK},
      {"Tab", VK_TAB},       {"Left", VK_LEFT},     {"Right", VK_RIGHT}, {"Up", VK_UP},
      {"Down", VK_DOWN},     {"Shift", VK_SHIFT},
  };
  if (auto it = keys.find(name); it != keys.end()) return it->second;
  if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0]))) {
    return static_cast<UINT>(std::toupper(static_cast<unsigned char>(name[0])));
  }
  if (name.size() >= 2 && name[0] == 'F' &&
      name.find_first_not_of("0123456789", 1) == std::string::npos && name.size() <= 3) {
    int n = std::stoi(name.substr(1));
    if (n >= 1 && n <= 12) return static_cast<UINT>(VK_F1 + n - 1);
  }
  return std::nullopt;
}

std::optional<std::vector<InputEvent>> ScriptInput(const ScriptCommand& command) {
  using K = ScriptCommand::Kind;
  using E = InputEvent::Kind;
  auto mouse = [&](E kind, InputEvent::Button button) {
    InputEvent e;
    e.kind = kind;
    e.button = button;
    e.x = command.x;
    e.y = command.y;
    return e;
  };
  auto key = [](E kind, UINT vk, bool alt) {
    InputEvent e;
    e.kind = kind;
    e.vk = vk;
    e.alt = alt;
    return e;
  };
  InputEvent move = mouse(E::kMouseMove, InputEvent::kLeft);
  switch (command.kind) {
    case K::kDown:
      return std::vector{move, mouse(E::kButtonDown, InputEvent::kLeft)};
    case K::kUp:
      return std::vector{move, mouse(E::kButtonUp, InputEvent::kLeft)};
    case K::kClick:
    case K::kRightClick:
    case K::kMiddleClick: {
      InputEvent::Button b = command.kind == K::kClick        ? InputEvent::kLeft
                             : command.kind == K::kRightClick ? InputEvent::kRight
                                                              : InputEvent::kMiddle;
      return std::vector{move, mouse(E::kButtonDown, b), mouse(E::kButtonUp, b)};
    }
    case K::kKey:
    case K::kAltKey: {
      std::optional<UINT> vk = VirtualKeyOfName(command.name);
      if (!vk) return std::nullopt;
      if (command.kind == K::kKey)
        return std::vector{key(E::kKeyDown, *vk, false), key(E::kKeyUp, *vk, false)};
      return std::vector{key(E::kKeyDown, VK_MENU, true), key(E::kKeyDown, *vk, true),
                         key(E::kKeyUp, *vk, true), key(E::kKeyUp, VK_MENU, false)};
    }
    default:
      return std::nullopt;
  }
}

}  // namespace win32
