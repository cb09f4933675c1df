// The SDL2 backend: the real display and the real user. The screen is a full-screen window
// on the current display; the framebuffer is shown through a streaming texture, scaled to
// the window when their sizes differ (HiDPI displays included).
#pragma once

#include <SDL.h>

#include <cstdint>

#include "backend/backend.h"

namespace win32 {

class SdlBackend : public Backend {
 public:
  SdlBackend();
  ~SdlBackend() override;

  ScreenMode DesktopMode() override;
  void WaitForInput() override;
  void PollInput() override;
  bool WaitUntil(std::optional<int64_t> due) override;

 private:
  void Open();
  void Present();
  // Queues the input of one event; ends the program when the window was closed.
  void Handle(const SDL_Event& event);

  bool video_ = false;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  uint64_t shown_ = UINT64_MAX;  // generation of the screen last shown
};

}  // namespace win32
