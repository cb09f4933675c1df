#include "base/png_file.h"

#include <png.h>

namespace base {

std::string writePng(const std::string& path, int width, int height, PngFormat format,
                     std::span<const uint8_t> pixels) {
  const std::size_t channels = format == PngFormat::Rgb ? 3 : 4;
  if (width <= 0 || height <= 0 ||
      pixels.size() !=
          static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * channels)
    return path + ": picture size does not match its pixels";
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = format == PngFormat::Rgb ? PNG_FORMAT_RGB : PNG_FORMAT_RGBA;
  if (!png_image_write_to_file(&image, path.c_str(), 0, pixels.data(), 0, nullptr))
    return path + ": " + image.message;
  return {};
}

}  // namespace base
