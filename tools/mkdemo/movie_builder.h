#pragma once
// Collects one demo movie: pictures with their palettes, the sound, and the picture kept as
// its screenshot.
#include <cstdint>
#include <string>
#include <vector>

#include "canvas.h"
#include "smk/enc/movie_encoder.h"

namespace mkdemo {

struct Screenshot {
  unsigned width = 0, height = 0;
  std::vector<uint8_t> rgb;
};

class MovieBuilder {
 public:
  // `screenshot_frame` is the frame kept as the movie's screenshot.
  MovieBuilder(const smk::enc::MovieSettings& settings, unsigned screenshot_frame);

  void frame(const Canvas& picture, const smk::enc::Palette6& palette);
  // Sound as interleaved samples in -1..1, stored in `format`.
  void sound(const smk::enc::AudioFormat& format, const std::vector<float>& samples);

  std::vector<uint8_t> finish();
  const Screenshot& screenshot() const { return shot_; }

 private:
  smk::enc::MovieSettings settings_;
  smk::enc::MovieEncoder encoder_;
  unsigned shot_frame_, frames_ = 0;
  Screenshot shot_;
};

// What a movie's generator hands back.
struct DemoMovie {
  std::vector<uint8_t> file;
  Screenshot screenshot;
};

}  // namespace mkdemo
