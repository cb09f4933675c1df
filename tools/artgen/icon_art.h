// The program icon: an old television set on bright green, 32 x 32 and 16 x 16, 16 colours.
#pragma once

#include <cstdint>
#include <vector>

namespace artgen {

// The complete .ico file: a directory and the two images, 744 and 296 bytes.
std::vector<uint8_t> buildIcon();

}  // namespace artgen
