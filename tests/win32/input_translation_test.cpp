// Input as the two backends deliver it: SDL events and script commands become the same
// Win32 input events.
#include <gtest/gtest.h>

#include "backend/headless/script_input.h"
#include "backend/sdl/sdl_events.h"

namespace {

using win32::InputEvent;
using E = InputEvent::Kind;

InputEvent Mouse(E kind, int x, int y, InputEvent::Button b = InputEvent::kLeft) {
  InputEvent e;
  e.kind = kind;
  e.button = b;
  e.x = x;
  e.y = y;
  return e;
}

InputEvent Key(E kind, UINT vk, bool alt = false) {
  InputEvent e;
  e.kind = kind;
  e.vk = vk;
  e.alt = alt;
  return e;
}

SDL_Event Button(Uint32 type, Uint8 button, int x, int y) {
  SDL_Event e{};
  e.type = type;
  e.button.button = button;
  e.button.x = x;
  e.button.y = y;
  return e;
}

SDL_Event KeyEvent(Uint32 type, SDL_Keycode key, Uint16 mod = KMOD_NONE) {
  SDL_Event e{};
  e.type = type;
  e.key.keysym.sym = key;
  e.key.keysym.mod = mod;
  return e;
}

TEST(SdlEvents, MouseButtonsMoveThePointerFirst) {
  struct Case {
    Uint8 sdl;
    InputEvent::Button button;
  };
  for (Case c :
       {Case{SDL_BUTTON_LEFT, InputEvent::kLeft}, Case{SDL_BUTTON_RIGHT, InputEvent::kRight},
        Case{SDL_BUTTON_MIDDLE, InputEvent::kMiddle}}) {
    EXPECT_EQ(win32::TranslateSdlEvent(Button(SDL_MOUSEBUTTONDOWN, c.sdl, 285, 170)).input,
              (std::vector{Mouse(E::kMouseMove, 285, 170, c.button),
                           Mouse(E::kButtonDown, 285, 170, c.button)}));
    EXPECT_EQ(win32::TranslateSdlEvent(Button(SDL_MOUSEBUTTONUP, c.sdl, 1, 2)).input.back(),
              Mouse(E::kButtonUp, 1, 2, c.button));
  }
  EXPECT_TRUE(
      win32::TranslateSdlEvent(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_X1, 1, 2)).input.empty());
  SDL_Event motion{};
  motion.type = SDL_MOUSEMOTION;
  motion.motion.x = 7;
  motion.motion.y = 9;
  EXPECT_EQ(win32::TranslateSdlEvent(motion).input, std::vector{Mouse(E::kMouseMove, 7, 9)});
}

TEST(SdlEvents, KeysBecomeVirtualKeys) {
  struct Case {
    SDL_Keycode key;
    UINT vk;
  };
  const Case cases[] = {{SDLK_RETURN, VK_RETURN},
                        {SDLK_KP_ENTER, VK_RETURN},
                        {SDLK_ESCAPE, VK_ESCAPE},
                        {SDLK_SPACE, VK_SPACE},
                        {SDLK_BACKSPACE, VK_BACK},
                        {SDLK_TAB, VK_TAB},
                        {SDLK_LEFT, VK_LEFT},
                        {SDLK_F1, VK_F1},
                        {SDLK_F4, VK_F1 + 3},
                        {SDLK_a, 'A'},
                        {SDLK_z, 'Z'},
                        {SDLK_0, '0'},
                        {SDLK_LSHIFT, VK_SHIFT},
                        {SDLK_RALT, VK_MENU}};
  for (Case c : cases) {
    EXPECT_EQ(win32::TranslateSdlEvent(KeyEvent(SDL_KEYDOWN, c.key)).input,
              std::vector{Key(E::kKeyDown, c.vk)})
        << SDL_GetKeyName(c.key);
    EXPECT_EQ(win32::TranslateSdlEvent(KeyEvent(SDL_KEYUP, c.key)).input,
              std::vector{Key(E::kKeyUp, c.vk)})
        << SDL_GetKeyName(c.key);
  }
  EXPECT_TRUE(win32::TranslateSdlEvent(KeyEvent(SDL_KEYDOWN, SDLK_CAPSLOCK)).input.empty());
}

TEST(SdlEvents, AltMakesSystemKeys) {
  EXPECT_EQ(win32::TranslateSdlEvent(KeyEvent(SDL_KEYDOWN, SDLK_x, KMOD_LALT)).input,
            std::vector{Key(E::kKeyDown, 'X', true)});
  EXPECT_EQ(win32::TranslateSdlEvent(KeyEvent(SDL_KEYDOWN, SDLK_x, KMOD_LSHIFT)).input,
            std::vector{Key(E::kKeyDown, 'X', false)});
}

TEST(SdlEvents, ClosingTheWindowQuits) {
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  EXPECT_TRUE(win32::TranslateSdlEvent(quit).quit);
  SDL_Event close{};
  close.type = SDL_WINDOWEVENT;
  close.window.event = SDL_WINDOWEVENT_CLOSE;
  EXPECT_TRUE(win32::TranslateSdlEvent(close).quit);
  close.window.event = SDL_WINDOWEVENT_EXPOSED;
  EXPECT_FALSE(win32::TranslateSdlEvent(close).quit);
}

win32::ScriptCommand Command(const std::string& line) {
  std::string error;
  auto script = win32::Script::Parse(line + "\n", error);
  EXPECT_TRUE(script && !script->empty()) << error;
  return script->front();
}

TEST(ScriptInput, CommandsGiveTheUsersEvents) {
  EXPECT_EQ(win32::ScriptInput(Command("click 3 4")),
            (std::vector{Mouse(E::kMouseMove, 3, 4), Mouse(E::kButtonDown, 3, 4),
                         Mouse(E::kButtonUp, 3, 4)}));
  EXPECT_EQ(win32::ScriptInput(Command("rclick 3 4"))->at(1),
            Mouse(E::kButtonDown, 3, 4, InputEvent::kRight));
  EXPECT_EQ(win32::ScriptInput(Command("mclick 3 4"))->at(2),
            Mouse(E::kButtonUp, 3, 4, InputEvent::kMiddle));
  EXPECT_EQ(win32::ScriptInput(Command("down 5 6")),
            (std::vector{Mouse(E::kMouseMove, 5, 6), Mouse(E::kButtonDown, 5, 6)}));
  EXPECT_EQ(win32::ScriptInput(Command("up 5 6"))->back(), Mouse(E::kButtonUp, 5, 6));
  EXPECT_EQ(win32::ScriptInput(Command("key Escape")),
            (std::vector{Key(E::kKeyDown, VK_ESCAPE), Key(E::kKeyUp, VK_ESCAPE)}));
  EXPECT_EQ(win32::ScriptInput(Command("altkey F4")),
            (std::vector{Key(E::kKeyDown, VK_MENU, true), Key(E::kKeyDown, VK_F1 + 3, true),
                         Key(E::kKeyUp, VK_F1 + 3, true), Key(E::kKeyUp, VK_MENU)}));
  EXPECT_FALSE(win32::ScriptInput(Command("key Hyper")));
  EXPECT_FALSE(win32::ScriptInput(Command("wait 10")));
}

TEST(ScriptInput, KeyNames) {
  struct Case {
    const char* name;
    UINT vk;
  };
  for (Case c :
       {Case{"Return", VK_RETURN}, Case{"BackSpace", VK_BACK}, Case{"Tab", VK_TAB},
        Case{"Space", VK_SPACE}, Case{"Left", VK_LEFT}, Case{"F1", VK_F1}, Case{"F12", VK_F1 + 11},
        Case{"Shift", VK_SHIFT}, Case{"a", 'A'}, Case{"Q", 'Q'}, Case{"7", '7'}}) {
    EXPECT_EQ(win32::VirtualKeyOfName(c.name), c.vk) << c.name;
  }
  for (const char* bad : {"F0", "F13", "ab", "return", ""}) {
    EXPECT_FALSE(win32::VirtualKeyOfName(bad)) << bad;
  }
}

}  // namespace
