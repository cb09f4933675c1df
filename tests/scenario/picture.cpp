#include "picture.h"

#include <png.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "base/little_endian.h"

namespace scenario {

Picture ReadPng(const std::string& path) {
  Picture picture;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return picture;
  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> bytes(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, bytes.data(), 0, nullptr)) return picture;
  picture.width = static_cast<int>(image.width);
  picture.height = static_cast<int>(image.height);
  for (size_t i = 0; i + 2 < bytes.size(); i += 3) {
    picture.pixels.push_back(static_cast<uint32_t>(bytes[i]) << 16 | bytes[i + 1] << 8 |
                             bytes[i + 2]);
  }
  return picture;
}

namespace {

// An 8-bit bottom-up BMP file of res/bitmaps as colours.
Picture ReadBitmap(const std::string& name) {
  std::ifstream in(std::string(CHANNELS_SOURCE_DIR) + "/res/bitmaps/" + name, std::ios::binary);
  const std::vector<uint8_t> b((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
  Picture picture;
  if (b.size() < 14 + 40 + 1024) return picture;
  size_t dib = 14;
  picture.width = static_cast<int>(base::readLe32(&b[dib + 4]));
  picture.height = static_cast<int>(base::readLe32(&b[dib + 8]));
  size_t table = dib + 40;
  size_t bits = base::readLe32(&b[10]);
  size_t stride = (static_cast<size_t>(picture.width) + 3) & ~size_t{3};
  for (int y = 0; y < picture.height; ++y) {
    size_t row = bits + static_cast<size_t>(picture.height - 1 - y) * stride;
    for (int x = 0; x < picture.width; ++x) {
      size_t entry = table + 4 * size_t{b[row + static_cast<size_t>(x)]};
      picture.pixels.push_back(uint32_t{b[entry + 2]} << 16 | uint32_t{b[entry + 1]} << 8 |
                               b[entry]);
    }
  }
  return picture;
}

}  // namespace

Picture Compose(int width, int height, const std::vector<Placed>& placed) {
  Picture screen{width, height, std::vector<uint32_t>(static_cast<size_t>(width) * height, 0)};
  for (const Placed& p : placed) {
    Picture bitmap = ReadBitmap(p.bitmap);
    if (bitmap.width != p.right - p.left || bitmap.height != p.bottom - p.top) {
      return Picture{};  // the rectangle must be the bitmap's size
    }
    for (int y = 0; y < bitmap.height; ++y) {
      for (int x = 0; x < bitmap.width; ++x) {
        int sx = p.left + x;
        int sy = p.top + y;
        if (sx >= 0 && sy >= 0 && sx < width && sy < height) {
          screen.pixels[static_cast<size_t>(sy) * width + sx] = bitmap.At(x, y);
        }
      }
    }
  }
  return screen;
}

std::string Difference(const Picture& got, const Picture& expected) {
  if (got.width != expected.width || got.height != expected.height || got.pixels.empty()) {
    return "size " + std::to_string(got.width) + "x" + std::to_string(got.height) + ", expected " +
           std::to_string(expected.width) + "x" + std::to_string(expected.height);
  }
  for (int y = 0; y < got.height; ++y) {
    for (int x = 0; x < got.width; ++x) {
      if (got.At(x, y) != expected.At(x, y)) {
        char text[96];
        std::snprintf(text, sizeof text, "pixel (%d, %d) is %06X, expected %06X", x, y,
                      got.At(x, y), expected.At(x, y));
        return text;
      }
    }
  }
  return "";
}

}  // namespace scenario
