// The colour table that all ten button bitmaps share, and the mapping of pictures onto it.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "scene.h"

namespace artgen {

struct Rgb8 {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb8&) const = default;
};

using ColourTable = std::array<Rgb8, 256>;

// Entries 10 to 245 are the picture's own; the rest are the platform's static colours.
constexpr int kFirstPictureColour = 10;
constexpr int kLastPictureColour = 245;

// The twenty static colours in place, the picture entries black.
ColourTable staticColours();

// Chooses the 236 picture colours that best fit all the given pictures together. None of them
// repeats a static colour or another picture colour.
ColourTable buildColourTable(const std::vector<const Picture*>& pictures);

// The nearest table entry for every pixel, rows top to bottom. Pure black is entry 0.
std::vector<uint8_t> toIndexes(const Picture& picture, const ColourTable& table);

}  // namespace artgen
