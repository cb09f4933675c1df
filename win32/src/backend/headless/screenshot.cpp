#include "screenshot.h"

#include <cstdint>
#include <vector>

#include "base/png_file.h"

namespace win32 {

bool WriteScreenshot(const Screen& screen, const std::string& path) {
  std::vector<uint8_t> rgb;
  rgb.reserve(screen.pixels().size() * 3);
  for (uint32_t pixel : screen.pixels()) {
    rgb.push_back(static_cast<uint8_t>(pixel >> 16));
    rgb.push_back(static_cast<uint8_t>(pixel >> 8));
    rgb.push_back(static_cast<uint8_t>(pixel));
  }
  return base::writePng(path, screen.width(), screen.height(), base::PngFormat::Rgb, rgb).empty();
}

}  // namespace win32
