// A film countdown leader: a sweep goes round once a second over rings and a cross while
// the digits count down from 8, with a beep at every number and a long tone at the end.
#include <cmath>
#include <string>

#include "movies.h"
#include "palette_util.h"
#include "synth.h"

namespace mkdemo {

DemoMovie make_countdown() {
  constexpr unsigned W = 320, H = 240, kFps = 10, kCount = 8, kFrames = (kCount + 2) * kFps;
  smk::enc::MovieSettings s;
  s.width = W;
  s.height = H;
  s.frameRate = smk::enc::frameRateCode(kFps).value();  // 100 ms
  MovieBuilder movie(s, 33);

  // Sepia film tones: a light and a dark ramp for the two sides of the sweep.
  enum : uint8_t { kLight = 0, kDark = 32, kInk = 64, kPaper, kFlash };
  smk::enc::Palette6 pal{};
  ramp(pal, kLight, 32, {120, 100, 80}, {235, 222, 200});
  ramp(pal, kDark, 32, {60, 48, 38}, {150, 130, 110});
  pal[kInk] = c6({20, 16, 12});
  pal[kPaper] = c6({250, 245, 235});
  pal[kFlash] = c6({255, 255, 255});

  const double cx = W / 2.0, cy = H / 2.0;
  for (unsigned f = 0; f < kFrames; ++f) {
    Canvas c(W, H);
    const unsigned second = f / kFps;
    if (second >= kCount) {
      // The end: a white flash, then the title.
      c.clear(f % kFps < 2 && second == kCount ? kFlash : kInk);
      if (second > kCount || f % kFps >= 2)
        c.text(int(cx) - Canvas::text_width("START", 4) / 2, int(cy) - 14, "START", 4, kPaper);
      movie.frame(c, pal);
      continue;
    }
    const double sweep = 2 * kPi * double(f % kFps) / kFps;
    for (unsigned y = 0; y < H; ++y)
      for (unsigned x = 0; x < W; ++x) {
        const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
        double angle = std::atan2(dx, -dy);
        if (angle < 0) angle += 2 * kPi;
        // Vignette: darker towards the corners.
        const int shade = std::clamp(31 - int(std::sqrt(dx * dx + dy * dy) / 6), 0, 31);
        c.set(int(x), int(y), uint8_t((angle < sweep ? kDark : kLight) + shade));
      }
    c.ring(cx, cy, 88, 91, kInk);
    c.ring(cx, cy, 104, 106, kPaper);
    c.line(cx, 0, cx, H, 2, kInk);
    c.line(0, cy, W, cy, 2, kInk);
    const std::string digit = std::to_string(kCount - second);
    c.text(int(cx) - Canvas::text_width(digit, 14) / 2 + 2, int(cy) - 49 + 2, digit, 14, kDark);
    c.text(int(cx) - Canvas::text_width(digit, 14) / 2, int(cy) - 49, digit, 14, kInk);
    movie.frame(c, pal);
  }

  smk::enc::AudioFormat fmt{22050, 1, 8, true};
  std::vector<float> pcm(size_t(kFrames) * fmt.rate / kFps);
  Noise hiss(7);
  for (size_t i = 0; i < pcm.size(); ++i) {
    const double t = double(i) / fmt.rate;
    double v = 0.02 * hiss.next();  // film hiss
    if (t < kCount) v += 0.5 * sine(880, t) * gate(std::fmod(t, 1.0), 0, 0.12);
    v += 0.5 * sine(1760, t) * gate(t, kCount, 1.0, 0.02);
    pcm[i] = float(v);
  }
  movie.sound(fmt, pcm);
  return {movie.finish(), movie.screenshot()};
}

}  // namespace mkdemo
