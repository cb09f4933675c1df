// A plasma whose colours flow by palette cycling: the picture stays, the palette turns by
// two entries every frame, and a ring frame closes the loop. A slow chord pans across.
#include <cmath>

#include "movies.h"
#include "palette_util.h"
#include "synth.h"

namespace mkdemo {

DemoMovie make_plasma() {
  constexpr unsigned W = 320, H = 200, kFps = 15, kCycle = 240, kStep = 2, kFrames = kCycle / kStep;
  smk::enc::MovieSettings s;
  s.width = W;
  s.height = H;
  s.frameRate = smk::enc::frameRateCode(kFps).value();
  s.smk4 = true;
  s.ringFrame = true;
  MovieBuilder movie(s, 20);

  // Entries 0..239 cycle; 240.. hold the title colours.
  enum : uint8_t { kShadow = 240, kTitle };
  smk::enc::Palette6 base{};
  for (unsigned i = 0; i < kCycle; ++i) {
    const double a = 2 * kPi * i / kCycle;
    base[i] = c6({128 + 127 * std::sin(a), 128 + 127 * std::sin(a + 2 * kPi / 3),
                  128 + 127 * std::sin(a + 4 * kPi / 3)});
  }
  base[kShadow] = c6({0, 0, 0});
  base[kTitle] = c6({255, 255, 255});

  Canvas c(W, H);
  for (unsigned y = 0; y < H; ++y)
    for (unsigned x = 0; x < W; ++x) {
      const double v =
          std::sin(x / 23.0) + std::sin(y / 17.0) + std::sin((x + y) / 29.0) +
          std::sin(std::sqrt((x - 160.0) * (x - 160.0) + (y - 100.0) * (y - 100.0)) / 13.0);
      c.set(int(x), int(y), uint8_t(unsigned(std::lround((v + 4) / 8 * kCycle * 2)) % kCycle));
    }
  const char* title = "PALETTE CYCLING";
  c.text(int(W) / 2 - Canvas::text_width(title, 2) / 2 + 2, 172, title, 2, kShadow);
  c.text(int(W) / 2 - Canvas::text_width(title, 2) / 2, 170, title, 2, kTitle);

  for (unsigned f = 0; f < kFrames; ++f) {
    smk::enc::Palette6 pal = base;
    for (unsigned i = 0; i < kCycle; ++i) pal[i] = base[(i + f * kStep) % kCycle];
    movie.frame(c, pal);
  }

  smk::enc::AudioFormat fmt{22050, 2, 16, true};
  const size_t n = size_t(kFrames) * fmt.rate / kFps;
  std::vector<float> pcm(2 * n);
  const int chord[3] = {-24, -21, -17};  // A2, C3, E3
  for (size_t i = 0; i < n; ++i) {
    const double t = double(i) / fmt.rate;
    const double loop = t / (double(kFrames) / kFps);  // one pan sweep per loop
    const double pan = 0.5 + 0.4 * std::sin(2 * kPi * loop);
    double v = 0;
    for (int k = 0; k < 3; ++k)
      v += sine(note(chord[k]), t) + 0.3 * sine(2.003 * note(chord[k]), t) +
           0.15 * sine(3.01 * note(chord[k]), t);
    v *= 0.12 * (0.8 + 0.2 * std::sin(2 * kPi * 0.5 * t));
    v *= std::fmin(1.0, t / 0.5);  // fade in
    pcm[2 * i] = float(v * (1 - pan) * 1.6);
    pcm[2 * i + 1] = float(v * pan * 1.6);
  }
  movie.sound(fmt, pcm);
  return {movie.finish(), movie.screenshot()};
}

}  // namespace mkdemo
