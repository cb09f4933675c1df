// The screen: its mode (size, depth, planes, palette capability) and its framebuffer, which
// the backends show and screenshots copy.
//
// On a palette-based 8-bit screen each pixel is an index into the system palette, and what
// the user sees changes when the system palette does; other depths store colours, reduced to
// what the depth can show.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "settings.h"

namespace win32 {

// 0x00RRGGBB.
typedef uint32_t Rgb;

class Screen {
 public:
  explicit Screen(const ScreenMode& mode);

  const ScreenMode& mode() const { return mode_; }
  int width() const { return mode_.width; }
  int height() const { return mode_.height; }
  bool paletted() const { return mode_.palette && mode_.bitsPerPixel == 8 && mode_.planes == 1; }

  // What the user sees, one value a pixel, rows top to bottom.
  const std::vector<Rgb>& pixels() const { return pixels_; }
  // Bumped at every change of the picture, so a backend can tell whether to show it again.
  uint64_t generation() const { return generation_; }

  // Stores a device colour at pixel `offset`: a system palette index on a paletted screen,
  // else a colour that Reduce() gave.
  void Store(size_t offset, uint32_t deviceColor) {
    if (paletted()) {
      indices_[offset] = static_cast<uint8_t>(deviceColor);
      pixels_[offset] = systemPalette_[deviceColor & 0xFF];
    } else {
      pixels_[offset] = deviceColor;
    }
  }
  // The device colour stored at pixel `offset`, as Store() took it.
  uint32_t Load(size_t offset) const { return paletted() ? indices_[offset] : pixels_[offset]; }
  void Touch() { ++generation_; }

  // A colour as a non-paletted screen of this depth shows it.
  Rgb Reduce(Rgb color) const;

  const std::array<Rgb, 256>& systemPalette() const { return systemPalette_; }
  // Changes system palette entries; every pixel showing a changed entry changes with it.
  void SetSystemPalette(const std::array<Rgb, 256>& palette);

 private:
  friend void ReplaceScreen(const ScreenMode& mode);

  ScreenMode mode_;
  std::vector<Rgb> pixels_;
  std::vector<uint8_t> indices_;
  std::array<Rgb, 256> systemPalette_{};
  uint64_t generation_ = 0;
};

// The twenty static colours of the system palette: entries 0-9 and 246-255.
extern const Rgb kStaticColors[20];
inline int StaticColorIndex(int i) { return i < 10 ? i : 236 + i; }

// The screen of this process: CHANNELS_SCREEN, or else the backend's desktop.
Screen& CurrentScreen();

// Puts a black screen of another mode in its place.
void ReplaceScreen(const ScreenMode& mode);

}  // namespace win32
