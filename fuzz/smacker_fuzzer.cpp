// libFuzzer target: opens a movie from the input bytes, decodes every frame with its audio,
// rewinds and decodes the first frames again.
#include <cstddef>
#include <cstdint>
#include <span>

#include "smk/movie.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto movie = smk::Movie::openMemory(std::span<const uint8_t>(data, size));
  if (!movie) return 0;
  unsigned sum = 0;
  while (const smk::Frame* f = movie->decodeNextFrame()) {
    // Touch what a player reads, so a bad span or pointer shows up here.
    if (f->hasPicture && f->picture.height > 0)
      sum += f->picture.pixels[(f->picture.height - 1) * f->picture.pitch + f->picture.width - 1];
    for (const smk::Rect& r : f->rects) sum += r.width;
    for (const auto& samples : f->audio)
      if (!samples.empty()) sum += samples.back();
  }
  if (movie->rewind().ok())
    for (int i = 0; i < 2 && movie->decodeNextFrame(); ++i) {
    }
  return static_cast<int>(sum & 0);
}
