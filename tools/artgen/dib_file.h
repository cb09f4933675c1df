// 8-bit .bmp files in the one layout the selector panel reads: a 40-byte header, 256 colours,
// then the pixels bottom row first, each row filled to a multiple of four bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "colour_table.h"

namespace artgen {

struct IndexedImage {
  int width = 0, height = 0;
  std::vector<uint8_t> indexes;  // width x height, rows top to bottom
  ColourTable colours{};
};

// Throws std::runtime_error when the file cannot be written.
void writeBmp(const std::string& path, const IndexedImage& image);

// Reads a file written by writeBmp; throws std::runtime_error for anything else.
IndexedImage readBmp(const std::string& path);

}  // namespace artgen
