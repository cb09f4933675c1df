#include "base/png_file.h"

#include <gtest/gtest.h>
#include <png.h>

#include <filesystem>
#include <vector>

namespace {

namespace fs = std::filesystem;

fs::path scratch(const char* name) {
  return fs::path(testing::TempDir()) / (std::string("base_png_") + name);
}

// The file's pixels in the given format, or nothing when libpng cannot read it.
std::vector<uint8_t> readBack(const fs::path& path, int& width, int& height, png_uint_32 format) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return {};
  width = static_cast<int>(image.width);
  height = static_cast<int>(image.height);
  image.format = format;
  std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) return {};
  return pixels;
}

TEST(PngFile, WritesRgbAndRgbaPixelsExactly) {
  struct Case {
    base::PngFormat format;
    png_uint_32 readAs;
    int channels;
  };
  for (const Case& c : {Case{base::PngFormat::Rgb, PNG_FORMAT_RGB, 3},
                        Case{base::PngFormat::Rgba, PNG_FORMAT_RGBA, 4}}) {
    const int width = 3, height = 2;  // odd width: rows are not padded
    std::vector<uint8_t> pixels(static_cast<size_t>(width * height * c.channels));
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i * 37 + 5);
    const fs::path path = scratch(c.channels == 3 ? "rgb.png" : "rgba.png");
    ASSERT_EQ(base::writePng(path, width, height, c.format, pixels), "");
    int w = 0, h = 0;
    EXPECT_EQ(readBack(path, w, h, c.readAs), pixels) << c.channels;
    EXPECT_EQ(w, width);
    EXPECT_EQ(h, height);
  }
}

TEST(PngFile, ReportsWhatItCannotWrite) {
  const std::vector<uint8_t> pixels(2 * 2 * 3, 0x80);
  const std::string unwritable = (scratch("no-such-folder") / "x.png").string();
  EXPECT_NE(base::writePng(unwritable, 2, 2, base::PngFormat::Rgb, pixels), "");
  EXPECT_FALSE(fs::exists(unwritable));

  const fs::path path = scratch("mismatch.png");
  fs::remove(path);
  EXPECT_NE(base::writePng(path, 2, 2, base::PngFormat::Rgba, pixels), "");  // 12 bytes, not 16
  EXPECT_NE(base::writePng(path, 0, 6, base::PngFormat::Rgb, pixels), "");
  EXPECT_FALSE(fs::exists(path));
}

}  // namespace
