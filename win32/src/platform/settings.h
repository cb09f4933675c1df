// The Linux platform's own settings, read once from the environment (CHANNELS_*).
#pragma once

#include <optional>
#include <string>

namespace win32 {

struct ScreenMode {
  int width = 640;
  int height = 480;
  int bitsPerPixel = 32;
  int planes = 1;
  bool palette = false;  // RC_PALETTE: the display is palette-based
};

struct Settings {
  std::string backend;               // "sdl" or "headless"
  std::optional<ScreenMode> screen;  // unset: the desktop's size at 32 bits
  std::string registryPath;
  std::string drives;  // "C:=/opt/game;E:=/media/cdrom"
  unsigned winverMajor = 4;
  unsigned winverMinor = 0;
  std::string scriptPath;
  std::string logPath;
  bool virtualClock = false;
};

// "640x480x8p", "800x600x16", "640x480x1x4". Nothing on a malformed text.
std::optional<ScreenMode> ParseScreenMode(const std::string& text);

// "3.51" gives 3 and 51. False on a malformed text.
bool ParseWindowsVersion(const std::string& text, unsigned& major, unsigned& minor);

// The settings of this process; read from the environment on first use. A malformed value
// is reported on stderr and replaced by its default.
const Settings& CurrentSettings();

}  // namespace win32
