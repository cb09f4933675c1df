#pragma once
// Picture adjustments made before encoding.
#include <cstdint>
#include <vector>

namespace smkenc {

// Bilinear resize of an RGB24 picture.
std::vector<uint8_t> resize_rgb(const std::vector<uint8_t>& rgb, unsigned w, unsigned h,
                                unsigned out_w, unsigned out_h);

// Halves the height for movies shown at double height: each pair of lines is averaged
// (Y-doubled) or only the first line of each pair is kept (Y-interlaced).
std::vector<uint8_t> halve_height(const std::vector<uint8_t>& rgb, unsigned w, unsigned h,
                                  bool average);

}  // namespace smkenc
