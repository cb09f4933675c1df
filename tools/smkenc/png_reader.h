#pragma once
// Reads a PNG picture of any colour type as RGB24 (transparency over black).
#include <cstdint>
#include <string>
#include <vector>

namespace smkenc {

struct RgbPicture {
  unsigned width = 0, height = 0;
  std::vector<uint8_t> rgb;
};

// Throws std::runtime_error naming the file and the problem.
RgbPicture read_png(const std::string& path);

}  // namespace smkenc
