#pragma once
// Writes an RGB24 picture as PNG.
#include <cstdint>
#include <string>
#include <vector>

namespace mkdemo {

// Throws std::runtime_error when the file cannot be written.
void write_png(const std::string& path, unsigned width, unsigned height,
               const std::vector<uint8_t>& rgb);

}  // namespace mkdemo
