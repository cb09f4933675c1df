// .ico files: a directory of images. In the program each image becomes an icon resource and
// the directory an icon-group resource that names the images by number.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "byte_writer.h"

namespace rcpack {

struct IconImage {
  uint8_t width, height, colourCount;
  uint16_t planes, bitCount;
  Bytes data;
};

// Throws ScriptError (naming `fileName`) when the file is not a well-formed icon file.
std::vector<IconImage> readIconFile(const Bytes& file, const std::string& fileName);

// The group directory: a six-byte header, then per image 14 bytes ending in its icon number,
// the images numbered from `firstId` on.
Bytes buildIconGroup(const std::vector<IconImage>& images, uint16_t firstId);

}  // namespace rcpack
