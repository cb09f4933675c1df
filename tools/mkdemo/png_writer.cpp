#include "png_writer.h"

#include <png.h>

#include <cstring>
#include <stdexcept>

namespace mkdemo {

void write_png(const std::string& path, unsigned width, unsigned height,
               const std::vector<uint8_t>& rgb) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = width;
  image.height = height;
  image.format = PNG_FORMAT_RGB;
  if (!png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr))
    throw std::runtime_error(path + ": " + image.message);
}

}  // namespace mkdemo
