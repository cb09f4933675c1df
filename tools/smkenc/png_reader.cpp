#include "png_reader.h"

#include <png.h>

#include <cstring>
#include <stdexcept>

namespace smkenc {

RgbPicture read_png(const std::string& path) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str()))
    throw std::runtime_error(path + ": " + image.message);
  image.format = PNG_FORMAT_RGB;
  RgbPicture p;
  p.width = image.width;
  p.height = image.height;
  // Keep pictures to a sane size before allocating (the movie limit is 32768 per side).
  if (p.width == 0 || p.height == 0 || p.width > 32768 || p.height > 32768) {
    png_image_free(&image);
    throw std::runtime_error(path + ": picture size " + std::to_string(p.width) + "x" +
                             std::to_string(p.height) + " is out of range");
  }
  p.rgb.resize(size_t(p.width) * p.height * 3);
  png_color black{0, 0, 0};
  if (!png_image_finish_read(&image, &black, p.rgb.data(), 0, nullptr))
    throw std::runtime_error(path + ": " + image.message);
  return p;
}

}  // namespace smkenc
