#include "decode_all.h"

namespace smk::test {

int Decoded::pictures() const {
  int n = 0;
  for (const FrameRecord& f : frames) n += f.hasPicture;
  return n;
}

Decoded decodeAll(Movie& movie) {
  Decoded d;
  while (const Frame* f = movie.decodeNextFrame()) {
    FrameRecord r;
    r.hasPicture = f->hasPicture;
    r.paletteChanged = f->paletteChanged;
    r.layoutBroken = f->layoutBroken;
    r.damage = f->damage;
    for (uint32_t y = 0; y < f->picture.height; ++y) {
      const uint8_t* row = f->picture.pixels + size_t{y} * f->picture.pitch;
      r.picture.insert(r.picture.end(), row, row + f->picture.width);
    }
    r.palette = *f->palette;
    r.rects.assign(f->rects.begin(), f->rects.end());
    for (size_t t = 0; t < f->audio.size(); ++t)
      d.audio[t].insert(d.audio[t].end(), f->audio[t].begin(), f->audio[t].end());
    d.frames.push_back(std::move(r));
  }
  return d;
}

}  // namespace smk::test
