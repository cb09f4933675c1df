// The input that a script command gives, as the user would give it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "script.h"
#include "user/input.h"

namespace win32 {

// The virtual-key code of a key name: Return, Escape, Space, BackSpace, Tab, Left, Right,
// Up, Down, F1 to F12, Shift, a letter or a digit.
std::optional<UINT> VirtualKeyOfName(const std::string& name);

// The events of a mouse or key command (click: press and release; altkey: Alt held around
// the key); nothing for an unknown key name or a command that is not input.
std::optional<std::vector<InputEvent>> ScriptInput(const ScriptCommand& command);

}  // namespace win32
