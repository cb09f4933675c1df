// A test card: colour bars, a grey scale, a grid and a circle, a running clock, with a
// 1 kHz line-up tone that pauses briefly every second.
#include <cstdio>

#include "movies.h"
#include "palette_util.h"
#include "synth.h"

namespace mkdemo {

DemoMovie make_test_card() {
  constexpr unsigned W = 320, H = 240, kFps = 15, kFrames = 6 * kFps;
  smk::enc::MovieSettings s;
  s.width = W;
  s.height = H;
  s.frameRate = smk::enc::frameRateCode(kFps).value();
  MovieBuilder movie(s, 40);

  enum : uint8_t { kBlack, kWhite, kBars, kGrid = kBars + 7, kBack, kOrange, kGrey0 = 16 };
  smk::enc::Palette6 pal{};
  pal[kWhite] = c6({255, 255, 255});
  const Rgb bars[7] = {{191, 191, 191}, {191, 191, 0}, {0, 191, 191}, {0, 191, 0},
                       {191, 0, 191},   {191, 0, 0},   {0, 0, 191}};
  for (int i = 0; i < 7; ++i) pal[size_t(kBars + i)] = c6(bars[i]);
  pal[kGrid] = c6({200, 200, 200});
  pal[kBack] = c6({40, 44, 60});
  pal[kOrange] = c6({255, 150, 0});
  ramp(pal, kGrey0, 32, {0, 0, 0}, {255, 255, 255});

  for (unsigned f = 0; f < kFrames; ++f) {
    Canvas c(W, H, kBack);
    for (int x = 0; x < int(W); x += 20) c.fill_rect(x, 0, 1, H, kGrid);
    for (int y = 0; y < int(H); y += 20) c.fill_rect(0, y, W, 1, kGrid);
    c.ring(W / 2.0, H / 2.0, 96, 99, kWhite);
    c.fill_rect(40, 60, 240, 70, kBlack);
    for (int i = 0; i < 7; ++i)
      c.fill_rect(40 + i * 240 / 7, 60, 240 / 7 + 1, 70, uint8_t(kBars + i));
    for (int i = 0; i < 32; ++i) c.fill_rect(40 + i * 15 / 2, 130, 8, 24, uint8_t(kGrey0 + i));
    c.fill_rect(40, 154, 240, 40, kBlack);
    c.fill_rect(W / 2 - 60, 196, 120, 24, kBlack);
    c.text(W / 2 - Canvas::text_width("CHANNELS", 2) / 2, 201, "CHANNELS", 2, kWhite);
    // A clock that runs with the movie, and a dot going round once a second.
    const double t = double(f) / kFps;
    char clock[16];
    std::snprintf(clock, sizeof clock, "00:%02u:%02u", unsigned(t),
                  unsigned(f % kFps));  // seconds:frames
    c.text(W / 2 - Canvas::text_width(clock, 3) / 2, 163, clock, 3, kOrange);
    const double a = 2 * kPi * t;
    c.fill_circle(W / 2.0 + 97.5 * std::sin(a), H / 2.0 - 97.5 * std::cos(a), 5, kOrange);
    c.line(W / 2.0 - 8, H / 2.0 - 80, W / 2.0 + 8, H / 2.0 - 80, 1, kWhite);
    movie.frame(c, pal);
  }

  smk::enc::AudioFormat fmt{22050, 1, 16, true};
  std::vector<float> pcm(size_t(kFrames) * fmt.rate / kFps);
  for (size_t i = 0; i < pcm.size(); ++i) {
    const double t = double(i) / fmt.rate;
    const double second = std::fmod(t, 1.0);
    pcm[i] = float(0.25 * sine(1000, t) * gate(second, 0.0, 0.9));
  }
  movie.sound(fmt, pcm);
  return {movie.finish(), movie.screenshot()};
}

}  // namespace mkdemo
