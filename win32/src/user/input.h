// Input from the user, as the backends deliver it: it waits in the input queue and becomes
// a mouse or keyboard message when the program takes it, for the window that gets it then.
#pragma once

#include "win32_api.h"

namespace win32 {

struct InputEvent {
  enum class Kind { kMouseMove, kButtonDown, kButtonUp, kKeyDown, kKeyUp };
  enum Button { kLeft, kRight, kMiddle };
  Kind kind = Kind::kMouseMove;
  Button button = kLeft;
  int x = 0;  // screen coordinates, for the mouse
  int y = 0;
  UINT vk = 0;       // virtual-key code, for keys
  bool alt = false;  // the Alt key is held: a system key
  bool operator==(const InputEvent&) const = default;
};

void QueueInput(const InputEvent& event);
bool InputPending();

// Turns the next input event into a message: the mouse goes to the window holding the
// capture or else to the visible window under it, keys to the focus window. A press on a
// window that is not active activates it first. False when no event is left.
bool TakeInputMessage(MSG& msg);

// The character a key gives with the current Shift state; 0 for keys that give none.
char KeyCharacter(UINT vk);

}  // namespace win32
