#include "sdl_events.h"

namespace win32 {

std::optional<UINT> VirtualKeyOfSdlKey(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return static_cast<UINT>('A' + (key - SDLK_a));
  if (key >= SDLK_0 && key <= SDLK_9) return static_cast<UINT>('0' + (key - SDLK_0));
  if (key >= SDLK_F1 && key <= SDLK_F12) return static_cast<UINT>(VK_F1 + (key - SDLK_F1));
  switch (key) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      return VK_RETURN;
    case SDLK_ESCAPE:
      return VK_ESCAPE;
    case SDLK_SPACE:
      return VK_SPACE;
    case SDLK_BACKSPACE:
      return VK_BACK;
    case SDLK_TAB:
      return VK_TAB;
    case SDLK_LEFT:
      return VK_LEFT;
    case SDLK_RIGHT:
      return VK_RIGHT;
    case SDLK_UP:
      return VK_UP;
    case SDLK_DOWN:
      return VK_DOWN;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
      return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
      return VK_CONTROL;
    case SDLK_LALT:
    case SDLK_RALT:
      return VK_MENU;
    default:
      return std::nullopt;
  }
}

TranslatedEvent TranslateSdlEvent(const SDL_Event& event) {
  TranslatedEvent out;
  InputEvent e;
  switch (event.type) {
    case SDL_QUIT:
      out.quit = true;
      break;
    case SDL_WINDOWEVENT:
      out.quit = event.window.event == SDL_WINDOWEVENT_CLOSE;
      break;
    case SDL_MOUSEMOTION:
      e.kind = InputEvent::Kind::kMouseMove;
      e.x = event.motion.x;
      e.y = event.motion.y;
      out.input.push_back(e);
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      switch (event.button.button) {
        case SDL_BUTTON_LEFT:
          e.button = InputEvent::kLeft;
          break;
        case SDL_BUTTON_RIGHT:
          e.button = InputEvent::kRight;
          break;
        case SDL_BUTTON_MIDDLE:
          e.button = InputEvent::kMiddle;
          break;
        default:
          return out;
      }
      e.x = event.button.x;
      e.y = event.button.y;
      // The pointer gets there first, as it does on Windows.
      e.kind = InputEvent::Kind::kMouseMove;
      out.input.push_back(e);
      e.kind = event.type == SDL_MOUSEBUTTONDOWN ? InputEvent::Kind::kButtonDown
                                                 : InputEvent::Kind::kButtonUp;
      out.input.push_back(e);
      break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      if (std::optional<UINT> vk = VirtualKeyOfSdlKey(event.key.keysym.sym)) {
        e.kind = event.type == SDL_KEYDOWN ? InputEvent::Kind::kKeyDown : InputEvent::Kind::kKeyUp;
        e.vk = *vk;
        e.alt = (event.key.keysym.mod & KMOD_ALT) != 0;
        out.input.push_back(e);
      }
      break;
  }
  return out;
}

}  // namespace win32
