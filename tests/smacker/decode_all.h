// Decodes a whole movie and keeps what the tests look at.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "smk/movie.h"

namespace smk::test {

struct FrameRecord {
  bool hasPicture = false;
  bool paletteChanged = false;
  bool layoutBroken = false;
  std::optional<Error> damage;
  std::vector<uint8_t> picture;  // width x height indices, row by row
  Palette palette{};
  std::vector<Rect> rects;
};

struct Decoded {
  std::vector<FrameRecord> frames;
  std::array<std::vector<uint8_t>, 7> audio;  // every track's samples, concatenated
  int pictures() const;
};

Decoded decodeAll(Movie& movie);

}  // namespace smk::test
