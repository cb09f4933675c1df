// The screen: its mode (size, depth, planes, palette capability) and its framebuffer, which
// the backends show and screenshots copy.
#pragma once

#include <cstdint>
#include <vector>

#include "settings.h"

namespace win32 {

class Screen {
 public:
  explicit Screen(const ScreenMode& mode);

  const ScreenMode& mode() const { return mode_; }
  int width() const { return mode_.width; }
  int height() const { return mode_.height; }
  // 0x00RRGGBB per pixel, rows top to bottom.
  std::vector<uint32_t>& pixels() { return pixels_; }
  const std::vector<uint32_t>& pixels() const { return pixels_; }

 private:
  ScreenMode mode_;
  std::vector<uint32_t> pixels_;
};

// The screen of this process: CHANNELS_SCREEN, or else the backend's desktop.
Screen& CurrentScreen();

}  // namespace win32
