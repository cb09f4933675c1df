#include "sdl_backend.h"

#include <SDL.h>

#include <cstdio>

#include "win32/user.h"

namespace win32 {

SdlBackend::SdlBackend() {
  video_ = SDL_Init(SDL_INIT_VIDEO) == 0;
  if (!video_) std::fprintf(stderr, "channels: no display: %s\n", SDL_GetError());
}

SdlBackend::~SdlBackend() { SDL_Quit(); }

ScreenMode SdlBackend::DesktopMode() {
  ScreenMode mode;
  SDL_DisplayMode desktop;
  if (video_ && SDL_GetDesktopDisplayMode(0, &desktop) == 0) {
    mode.width = desktop.w;
    mode.height = desktop.h;
  }
  return mode;
}

int SdlBackend::RunMessageBox(const std::string& caption, const std::string& text, unsigned type) {
  Uint32 flags = SDL_MESSAGEBOX_INFORMATION;
  switch (type & MB_ICONMASK) {
    case MB_ICONSTOP: flags = SDL_MESSAGEBOX_ERROR; break;
    case MB_ICONEXCLAMATION: flags = SDL_MESSAGEBOX_WARNING; break;
  }
  if (!video_ || SDL_ShowSimpleMessageBox(flags, caption.c_str(), text.c_str(), nullptr) != 0) {
    // Nobody can see a window: the text goes to the terminal instead of being lost.
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
  }
  return IDOK;
}

}  // namespace win32
