#include "settings.h"

#include <cstdio>
#include <cstdlib>
#include <regex>

namespace win32 {
namespace {

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

void Complain(const char* name, const std::string& value, const char* expected) {
  std::fprintf(stderr, "channels: ignoring %s=\"%s\" (expected %s)\n", name, value.c_str(),
               expected);
}

std::string DefaultRegistryPath() {
  std::string base = Env("XDG_CONFIG_HOME");
  if (base.empty()) {
    std::string home = Env("HOME");
    base = (home.empty() ? std::string(".") : home) + "/.config";
  }
  return base + "/channels/registry.reg";
}

Settings ReadSettings() {
  Settings s;
  s.backend = Env("CHANNELS_BACKEND");
  if (s.backend.empty()) s.backend = "sdl";
  if (s.backend != "sdl" && s.backend != "headless") {
    Complain("CHANNELS_BACKEND", s.backend, "sdl or headless");
    s.backend = "sdl";
  }
  const bool headless = s.backend == "headless";

  std::string screen = Env("CHANNELS_SCREEN");
  if (!screen.empty()) {
    s.screen = ParseScreenMode(screen);
    if (!s.screen) Complain("CHANNELS_SCREEN", screen, "WxHxBPP[xPLANES][p]");
  }
  if (!s.screen && headless) s.screen = ScreenMode{};

  s.registryPath = Env("CHANNELS_REGISTRY");
  if (s.registryPath.empty()) s.registryPath = DefaultRegistryPath();
  s.drives = Env("CHANNELS_DRIVES");

  std::string winver = Env("CHANNELS_WINVER");
  if (!winver.empty() && !ParseWindowsVersion(winver, s.winverMajor, s.winverMinor)) {
    Complain("CHANNELS_WINVER", winver, "MAJOR.MINOR");
    s.winverMajor = 4;
    s.winverMinor = 0;
  }

  s.scriptPath = Env("CHANNELS_SCRIPT");
  s.logPath = Env("CHANNELS_LOG");

  std::string clock = Env("CHANNELS_CLOCK");
  s.virtualClock = headless;
  if (clock == "virtual") {
    s.virtualClock = true;
  } else if (clock == "real") {
    s.virtualClock = false;
  } else if (!clock.empty()) {
    Complain("CHANNELS_CLOCK", clock, "virtual or real");
  }
  return s;
}

}  // namespace

std::optional<ScreenMode> ParseScreenMode(const std::string& text) {
  static const std::regex pattern(R"(^(\d{1,5})x(\d{1,5})x(\d{1,2})(?:x(\d{1,2}))?(p?)$)");
  std::smatch m;
  if (!std::regex_match(text, m, pattern)) return std::nullopt;
  ScreenMode mode;
  mode.width = std::stoi(m[1]);
  mode.height = std::stoi(m[2]);
  mode.bitsPerPixel = std::stoi(m[3]);
  mode.planes = m[4].matched ? std::stoi(m[4]) : 1;
  mode.palette = m[5].length() == 1;
  if (mode.width < 1 || mode.height < 1 || mode.width > 16384 || mode.height > 16384 ||
      mode.bitsPerPixel < 1 || mode.bitsPerPixel > 32 || mode.planes < 1) {
    return std::nullopt;
  }
  return mode;
}

bool ParseWindowsVersion(const std::string& text, unsigned& major, unsigned& minor) {
  static const std::regex pattern(R"(^(\d{1,3})\.(\d{1,3})$)");
  std::smatch m;
  if (!std::regex_match(text, m, pattern)) return false;
  unsigned ma = static_cast<unsigned>(std::stoul(m[1]));
  unsigned mi = static_cast<unsigned>(std::stoul(m[2]));
  if (ma > 255 || mi > 255) return false;
  major = ma;
  minor = mi;
  return true;
}

const Settings& CurrentSettings() {
  static const Settings settings = ReadSettings();
  return settings;
}

}  // namespace win32
