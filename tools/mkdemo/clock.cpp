// A station clock at 800x600: the second hand ticks, a pendulum swings, and at the full
// minute a bell strikes; tick and tock come from the left and the right.
#include <cmath>
#include <cstdio>

#include "movies.h"
#include "palette_util.h"
#include "synth.h"

namespace mkdemo {

namespace {

constexpr unsigned W = 800, H = 600, kFps = 10, kFrames = 12 * kFps;
constexpr double kStart = 10 * 3600 + 9 * 60 + 52;  // 10:09:52, the bell at 10:10:00

}  // namespace

DemoMovie make_clock() {
  smk::enc::MovieSettings s;
  s.width = W;
  s.height = H;
  s.frameRate = smk::enc::frameRateCode(kFps).value();
  MovieBuilder movie(s, 45);

  enum : uint8_t { kBack = 0, kFace, kRim, kMark, kHand, kRed, kBrass, kText, kWood };
  smk::enc::Palette6 pal{};
  pal[kBack] = c6({24, 28, 36});
  pal[kFace] = c6({245, 242, 230});
  pal[kRim] = c6({90, 95, 105});
  pal[kMark] = c6({30, 30, 30});
  pal[kHand] = c6({15, 15, 20});
  pal[kRed] = c6({210, 30, 30});
  pal[kBrass] = c6({200, 160, 60});
  pal[kText] = c6({200, 205, 215});
  pal[kWood] = c6({80, 50, 30});

  const double cx = W / 2.0, cy = 250, r = 200;
  for (unsigned f = 0; f < kFrames; ++f) {
    const double t = double(f) / kFps;
    const double now = kStart + std::floor(t);  // the hands move once a second
    Canvas c(W, H, kBack);
    c.fill_rect(int(cx) - 120, int(cy), 240, 270, kWood);
    // Pendulum: one swing per second, in step with the ticks.
    const double swing = 0.25 * std::sin(kPi * t);
    const double px = cx + 230 * std::sin(swing), py = cy + 230 * std::cos(swing);
    c.line(cx, cy, px, py, 4, kBrass);
    c.fill_circle(px, py, 28, kBrass);
    c.fill_circle(cx, cy, r + 12, kRim);
    c.fill_circle(cx, cy, r, kFace);
    for (int m = 0; m < 60; ++m) {
      const double a = m * kPi / 30, len = m % 5 ? 10 : 28, w = m % 5 ? 3 : 8;
      c.line(cx + (r - 8) * std::sin(a), cy - (r - 8) * std::cos(a),
             cx + (r - 8 - len) * std::sin(a), cy - (r - 8 - len) * std::cos(a), w, kMark);
    }
    for (int h = 1; h <= 12; ++h) {
      char num[4];
      std::snprintf(num, sizeof num, "%d", h);
      const double a = h * kPi / 6;
      c.text(int(cx + (r - 62) * std::sin(a)) - Canvas::text_width(num, 3) / 2,
             int(cy - (r - 62) * std::cos(a)) - 10, num, 3, kMark);
    }
    const double sec = std::fmod(now, 60), min = std::fmod(now / 60, 60),
                 hour = std::fmod(now / 3600, 12);
    auto hand = [&](double turns, double len, double tail, double width, uint8_t colour) {
      const double a = 2 * kPi * turns;
      c.line(cx - tail * std::sin(a), cy + tail * std::cos(a), cx + len * std::sin(a),
             cy - len * std::cos(a), width, colour);
    };
    hand(hour / 12, 110, 20, 14, kHand);
    hand(min / 60, 165, 25, 9, kHand);
    hand(sec / 60, 175, 45, 3, kRed);
    c.fill_circle(cx + 120 * std::sin(2 * kPi * sec / 60), cy - 120 * std::cos(2 * kPi * sec / 60),
                  9, kRed);
    c.fill_circle(cx, cy, 10, kRed);
    char digital[16];
    std::snprintf(digital, sizeof digital, "%02d:%02d:%02d", int(now / 3600), int(min), int(sec));
    c.text(int(cx) - Canvas::text_width(digital, 5) / 2, 540, digital, 5, kText);
    c.text(20, 20, "CHANNELS TIME", 3, kText);
    movie.frame(c, pal);
  }

  smk::enc::AudioFormat fmt{44100, 2, 16, true};
  const size_t n = size_t(kFrames) * fmt.rate / kFps;
  std::vector<float> pcm(2 * n);
  const double bell_at = 60 - std::fmod(kStart, 60);
  for (size_t i = 0; i < n; ++i) {
    const double t = double(i) / fmt.rate;
    const double s = std::floor(t), u = t - s;
    const bool tick = int(s) % 2 == 0;
    const double click = 0.5 * hit(u, 0, 0.008) * sine(tick ? 3200 : 2100, u);
    double bell = 0;
    if (t >= bell_at) {
      const double b = t - bell_at;
      // A bell: inharmonic partials, the higher ones dying sooner.
      const double partials[4][3] = {{523, 0.30, 2.5},
                                     {1046 * 1.19, 0.15, 1.2},
                                     {523 * 2.76, 0.10, 0.6},
                                     {523 * 5.4, 0.06, 0.3}};
      for (const auto& p : partials) bell += p[1] * hit(b, 0, p[2]) * sine(p[0], b);
    }
    pcm[2 * i] = float(click * (tick ? 0.9 : 0.3) + bell);
    pcm[2 * i + 1] = float(click * (tick ? 0.3 : 0.9) + bell);
  }
  movie.sound(fmt, pcm);
  return {movie.finish(), movie.screenshot()};
}

}  // namespace mkdemo
