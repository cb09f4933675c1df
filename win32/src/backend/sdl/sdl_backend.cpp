#include "sdl_backend.h"

#include <cstdio>

#include "platform/program_clock.h"
#include "platform/screen.h"
#include "sdl_events.h"

namespace win32 {

namespace {

// The display the user is at: the one under the mouse pointer, else the first.
int CurrentDisplay() {
  int x = 0;
  int y = 0;
  SDL_GetGlobalMouseState(&x, &y);
  SDL_Point pointer{x, y};
  for (int i = 0; i < SDL_GetNumVideoDisplays(); ++i) {
    SDL_Rect bounds;
    if (SDL_GetDisplayBounds(i, &bounds) == 0 && SDL_PointInRect(&pointer, &bounds)) return i;
  }
  return 0;
}

}  // namespace

SdlBackend::SdlBackend() {
  video_ = SDL_Init(SDL_INIT_VIDEO) == 0;
  if (!video_) std::fprintf(stderr, "channels: no display: %s\n", SDL_GetError());
}

SdlBackend::~SdlBackend() {
  if (texture_) SDL_DestroyTexture(texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  if (window_) SDL_DestroyWindow(window_);
  SDL_Quit();
}

ScreenMode SdlBackend::DesktopMode() {
  ScreenMode mode;
  SDL_DisplayMode desktop;
  if (video_ && SDL_GetDesktopDisplayMode(CurrentDisplay(), &desktop) == 0) {
    mode.width = desktop.w;
    mode.height = desktop.h;
  }
  return mode;
}

void SdlBackend::Open() {
  if (window_ || !video_) return;
  const Screen& screen = CurrentScreen();
  int display = CurrentDisplay();
  window_ =
      SDL_CreateWindow("Corvale 2000", SDL_WINDOWPOS_CENTERED_DISPLAY(display),
                       SDL_WINDOWPOS_CENTERED_DISPLAY(display), screen.width(), screen.height(),
                       SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_ALLOW_HIGHDPI);
  if (window_) renderer_ = SDL_CreateRenderer(window_, -1, 0);
  if (renderer_) {
    // Window coordinates, mouse ones included, map back to framebuffer pixels.
    SDL_RenderSetLogicalSize(renderer_, screen.width(), screen.height());
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                 screen.width(), screen.height());
  }
  if (!texture_) {
    std::fprintf(stderr, "channels: cannot open the screen: %s\n", SDL_GetError());
    video_ = false;
  }
}

void SdlBackend::Present() {
  Open();
  const Screen& screen = CurrentScreen();
  if (!texture_ || shown_ == screen.generation()) return;
  SDL_UpdateTexture(texture_, nullptr, screen.pixels().data(),
                    screen.width() * static_cast<int>(sizeof(Rgb)));
  SDL_RenderClear(renderer_);
  SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
  SDL_RenderPresent(renderer_);
  shown_ = screen.generation();
}

void SdlBackend::Handle(const SDL_Event& event) {
  if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED) {
    shown_ = UINT64_MAX;
  }
  TranslatedEvent translated = TranslateSdlEvent(event);
  // Closing the window ends the program, as ending the session ends a Windows program.
  if (translated.quit) ExitProcessWithCode(0);
  for (const InputEvent& e : translated.input) QueueInput(e);
}

void SdlBackend::WaitForInput() {
  if (!video_) {
    std::fprintf(stderr, "channels: nobody can answer without a display\n");
    ExitProcessWithCode(1);
  }
  Present();
  SDL_Event event;
  while (!InputPending()) {
    if (!SDL_WaitEvent(&event)) {
      std::fprintf(stderr, "channels: %s\n", SDL_GetError());
      ExitProcessWithCode(1);
    }
    Handle(event);
    Present();
  }
}

void SdlBackend::PollInput() {
  Present();
  SDL_Event event;
  while (SDL_PollEvent(&event)) Handle(event);
}

}  // namespace win32

namespace win32 {

// Most of the wait is spent in SDL's event wait; its timeout is coarse, so the last
// stretch is a precise sleep to the due time.
bool SdlBackend::WaitUntil(std::optional<int64_t> due) {
  if (!due) {
    WaitForInput();
    return true;
  }
  constexpr int64_t kPreciseStretch = 2 * kClockTicksPerMs;
  PollInput();
  while (!InputPending()) {
    int64_t left = *due - ClockNow();
    if (left <= 0) return false;
    if (!video_ || CurrentSettings().virtualClock || left <= kPreciseStretch) {
      PassTimeUntil(*due);
      return false;
    }
    SDL_Event event;
    if (SDL_WaitEventTimeout(
            &event,
            static_cast<int>((left - kPreciseStretch + kClockTicksPerMs - 1) / kClockTicksPerMs))) {
      Handle(event);
      PollInput();
    }
  }
  return true;
}

}  // namespace win32
