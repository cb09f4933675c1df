// Writing RGB pictures as PNG files (for the documentation).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace artgen {

// `rgb` holds width x height pixels, three bytes each, rows top to bottom.
// Throws std::runtime_error when the file cannot be written.
void writePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb);

}  // namespace artgen
