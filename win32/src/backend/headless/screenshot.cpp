#include "screenshot.h"

#include <png.h>

#include <cstdio>
#include <vector>

namespace win32 {

bool WriteScreenshot(const Screen& screen, const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(screen.width()),
               static_cast<png_uint_32>(screen.height()), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<png_byte> row(static_cast<size_t>(screen.width()) * 3);
  const uint32_t* pixel = screen.pixels().data();
  for (int y = 0; y < screen.height(); ++y) {
    for (size_t x = 0; x < static_cast<size_t>(screen.width()); ++x, ++pixel) {
      row[3 * x] = static_cast<png_byte>(*pixel >> 16);
      row[3 * x + 1] = static_cast<png_byte>(*pixel >> 8);
      row[3 * x + 2] = static_cast<png_byte>(*pixel);
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fclose(file) == 0;
}

}  // namespace win32
