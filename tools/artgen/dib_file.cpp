#include "dib_file.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "base/little_endian.h"

namespace artgen {

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kPixelOffset = kFileHeaderSize + kInfoHeaderSize + 256 * 4;
constexpr int kMaxSide = 4096;

uint32_t rowStride(int width) { return (static_cast<uint32_t>(width) + 3) & ~3u; }

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
  base::appendLe32(out, kPixelOffset + imageSize);
  base::appendLe32(out, 0);  // reserved
  base::appendLe32(out, kPixelOffset);
  base::appendLe32(out, kInfoHeaderSize);
  base::appendLe32(out, static_cast<uint32_t>(image.width));
  base::appendLe32(out, static_cast<uint32_t>(image.height));  // positive: bottom row first
  base::appendLe16(out, 1);                                    // planes
  base::appendLe16(out, 8);                                    // bits per pixel
  base::appendLe32(out, 0);                                    // no compression
  base::appendLe32(out, imageSize);
  base::appendLe32(out, 0);  // horizontal resolution
  base::appendLe32(out, 0);  // vertical resolution
  base::appendLe32(out, 256);
  base::appendLe32(out, 256);
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
  if (base::readLe32(&in[10]) != kPixelOffset || base::readLe32(&in[14]) != kInfoHeaderSize)
    throw fail("unexpected header layout");
  const uint32_t width = base::readLe32(&in[18]), height = base::readLe32(&in[22]);
  if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide)
    throw fail("width or height out of range (or rows stored top-down)");
  if (base::readLe16(&in[26]) != 1 || base::readLe16(&in[28]) != 8 || base::readLe32(&in[30]) != 0)
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
