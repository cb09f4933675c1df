#include "dib_file.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "little_endian.h"

namespace artgen {

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kPixelOffset = kFileHeaderSize + kInfoHeaderSize + 256 * 4;
constexpr int kMaxSide = 4096;

uint32_t rowStride(int width) { return (static_cast<uint32_t>(width) + 3) & ~3u; }

uint32_t get(const std::vector<uint8_t>& in, std::size_t at, int bytes) {
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | in[at + i];
  return v;
}

}  // namespace

void writeBmp(const std::string& path, const IndexedImage& image) {
  if (image.width <= 0 || image.height <= 0 || image.width > kMaxSide || image.height > kMaxSide ||
      image.indexes.size() != static_cast<std::size_t>(image.width) * image.height)
    throw std::runtime_error(path + ": picture size does not match its pixels");
  const uint32_t stride = rowStride(image.width);
  const uint32_t imageSize = stride * static_cast<uint32_t>(image.height);

  std::vector<uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  put32(out, kPixelOffset + imageSize);
  put32(out, 0);  // reserved
  put32(out, kPixelOffset);
  put32(out, kInfoHeaderSize);
  put32(out, static_cast<uint32_t>(image.width));
  put32(out, static_cast<uint32_t>(image.height));  // positive: bottom row first
  put16(out, 1);                                    // planes
  put16(out, 8);                                    // bits per pixel
  put32(out, 0);                                    // no compression
  put32(out, imageSize);
  put32(out, 0);  // horizontal resolution
  put32(out, 0);  // vertical resolution
  put32(out, 256);
  put32(out, 256);
  for (Rgb8 c : image.colours) {
    out.push_back(c.b);
    out.push_back(c.g);
    out.push_back(c.r);
    out.push_back(0);
  }
  for (int y = image.height - 1; y >= 0; --y) {
    const auto row = image.indexes.begin() + static_cast<std::ptrdiff_t>(y) * image.width;
    out.insert(out.end(), row, row + image.width);
    out.insert(out.end(), stride - static_cast<uint32_t>(image.width), 0);
  }

  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  if (!file.flush()) throw std::runtime_error(path + ": cannot write file");
}

IndexedImage readBmp(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error(path + ": cannot open file");
  const std::vector<uint8_t> in{std::istreambuf_iterator<char>(file), {}};
  auto fail = [&](const std::string& why) { return std::runtime_error(path + ": " + why); };

  if (in.size() < kPixelOffset || in[0] != 'B' || in[1] != 'M') throw fail("not a .bmp file");
  if (get(in, 10, 4) != kPixelOffset || get(in, 14, 4) != kInfoHeaderSize)
    throw fail("unexpected header layout");
  const uint32_t width = get(in, 18, 4), height = get(in, 22, 4);
  if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide)
    throw fail("width or height out of range (or rows stored top-down)");
  if (get(in, 26, 2) != 1 || get(in, 28, 2) != 8 || get(in, 30, 4) != 0)
    throw fail("not an uncompressed 8-bit picture");
  const uint32_t stride = rowStride(static_cast<int>(width));
  if (in.size() != kPixelOffset + stride * height)
    throw fail("file size does not match the header");

  IndexedImage image{static_cast<int>(width), static_cast<int>(height), {}, {}};
  for (std::size_t i = 0; i < 256; ++i) {
    const std::size_t at = kFileHeaderSize + kInfoHeaderSize + i * 4;
    image.colours[i] = {in[at + 2], in[at + 1], in[at]};
  }
  for (uint32_t y = height; y-- > 0;) {
    const auto row = in.begin() + kPixelOffset + static_cast<std::ptrdiff_t>(y * stride);
    image.indexes.insert(image.indexes.end(), row, row + width);
  }
  return image;
}

}  // namespace artgen
