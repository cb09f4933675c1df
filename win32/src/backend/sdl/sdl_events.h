// SDL events as Win32 input: mouse buttons and motion in screen pixels, keys as
// virtual-key codes, with Alt held making them system keys.
#pragma once

#include <SDL.h>

#include <optional>
#include <vector>

#include "user/input.h"

namespace win32 {

// The virtual-key code of an SDL key; nothing for keys the platform does not know.
std::optional<UINT> VirtualKeyOfSdlKey(SDL_Keycode key);

struct TranslatedEvent {
  std::vector<InputEvent> input;
  bool quit = false;  // the user closed the window
};

TranslatedEvent TranslateSdlEvent(const SDL_Event& event);

}  // namespace win32
