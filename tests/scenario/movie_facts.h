// What smkdec, our reference decoder, says of a movie: its header facts and its pictures.
#pragma once

#include <string>

#include "picture.h"

namespace scenario {

struct MovieFacts {
  int width = 0;
  int height = 0;  // as shown: twice the coded height for Y-doubled and Y-interlaced movies
  int codedHeight = 0;
  bool interlaced = false;  // Y-interlaced: coded lines on every second line, black between
  int frames = 0;
  long long periodMicroseconds = 0;
  long long samples = 0;  // sample frames of track 0 (0 without sound)
};

// Fails the calling test (through gtest) when smkdec cannot read the movie.
MovieFacts ReadMovieFacts(const std::string& path);

// Frame `index` of the movie as smkdec decodes it (at its coded size), shown at the movie's
// height: for Y-doubled movies each line twice, for Y-interlaced ones black lines between.
Picture ReferenceFrame(const std::string& path, int index);

// The part of `screen` at (x, y) of the size of `picture`.
Picture Crop(const Picture& screen, int x, int y, int width, int height);

}  // namespace scenario
