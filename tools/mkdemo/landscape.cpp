// Evening over the hills: a sky gradient, a setting sun, drifting clouds, three layers of
// hills scrolling at different speeds and a bird crossing; wind and bird calls in stereo.
// Uses palette entries 10..245 only, leaving the static colours of 8-bit displays alone.
#include <cmath>

#include "movies.h"
#include "palette_util.h"
#include "synth.h"

namespace mkdemo {

namespace {

constexpr unsigned W = 640, H = 480, kFps = 12, kFrames = 10 * kFps;

double hill(double x, double base, double a, double f1, double f2, double phase) {
  return base - a * (std::sin(x * f1 + phase) * 0.6 + std::sin(x * f2 + 2 * phase + 1.3) * 0.4);
}

// Where the bird is at time t (seconds): it crosses from left to right.
double bird_x(double t) { return -40 + t * (W + 80) / (kFrames / double(kFps)); }

}  // namespace

DemoMovie make_landscape() {
  smk::enc::MovieSettings s;
  s.width = W;
  s.height = H;
  s.frameRate = smk::enc::frameRateCode(kFps).value();
  s.smk4 = true;
  MovieBuilder movie(s, 60);

  enum : uint8_t {
    kSky = 10,
    kSkyCount = 120,
    kSun = 130,
    kCloud = 140,
    kFar = 150,
    kMid,
    kNear,
    kBird,
    kGlow = 160
  };
  smk::enc::Palette6 pal{};
  for (int i = 0; i < kSkyCount; ++i) {
    const double t = double(i) / (kSkyCount - 1);
    pal[size_t(kSky + i)] = c6(t < 0.6 ? mix({25, 30, 90}, {190, 90, 120}, t / 0.6)
                                       : mix({190, 90, 120}, {255, 190, 90}, (t - 0.6) / 0.4));
  }
  ramp(pal, kSun, 8, {255, 250, 200}, {255, 170, 60});
  ramp(pal, kCloud, 8, {250, 200, 200}, {150, 100, 130});
  pal[kFar] = c6({110, 70, 120});
  pal[kMid] = c6({50, 60, 70});
  pal[kNear] = c6({20, 28, 30});
  pal[kBird] = c6({10, 10, 10});
  ramp(pal, kGlow, 8, {255, 200, 110}, {220, 120, 110});

  for (unsigned f = 0; f < kFrames; ++f) {
    const double t = double(f) / kFps;
    Canvas c(W, H);
    for (unsigned y = 0; y < H; ++y)
      c.fill_rect(0, int(y), W, 1,
                  uint8_t(kSky + std::min<unsigned>(y * kSkyCount / 360, kSkyCount - 1)));
    // The sun sinks; a halo of glow rings around it.
    const double sun_y = 250 + t * 9, sun_x = 420;
    for (int k = 7; k >= 0; --k) c.fill_circle(sun_x, sun_y, 46 + k * 7, uint8_t(kGlow + k));
    for (int k = 7; k >= 0; --k) c.fill_circle(sun_x, sun_y, 8 + k * 5, uint8_t(kSun + k));
    // Clouds: rows of overlapping discs drifting left.
    for (int k = 0; k < 4; ++k) {
      const double x = std::fmod(700 + k * 230 - t * (8 + 3 * k), 900) - 120, y = 70 + k * 38;
      for (int b = 0; b < 5; ++b)
        c.fill_circle(x + b * 22, y + (b % 2) * 6, 18 - std::abs(b - 2) * 3,
                      uint8_t(kCloud + k * 2));
    }
    for (unsigned x = 0; x < W; ++x) {
      const double far = hill(x, 330, 35, 0.011, 0.027, 0.02 * t);
      const double mid = hill(x, 380, 30, 0.016, 0.041, 0.15 * t);
      const double near = hill(x, 430, 28, 0.009, 0.033, 0.45 * t);
      c.fill_rect(int(x), int(far), 1, int(H), kFar);
      c.fill_rect(int(x), int(mid), 1, int(H), kMid);
      c.fill_rect(int(x), int(near), 1, int(H), kNear);
    }
    // The bird, wings up and down four times a second.
    const double bx = bird_x(t), by = 150 + 20 * std::sin(t * 0.8);
    const double wing = 10 * std::sin(t * 2 * kPi * 4);
    c.line(bx - 14, by - wing, bx, by, 2.5, kBird);
    c.line(bx, by, bx + 14, by - wing, 2.5, kBird);
    movie.frame(c, pal);
  }

  smk::enc::AudioFormat fmt{22050, 2, 8, true};
  const size_t n = size_t(kFrames) * fmt.rate / kFps;
  std::vector<float> pcm(2 * n);
  Noise left(3), right(4);
  double wl = 0, wr = 0;
  for (size_t i = 0; i < n; ++i) {
    const double t = double(i) / fmt.rate;
    // Wind: low-passed noise swelling slowly.
    const double k = 0.02;
    wl += k * (left.next() - wl);
    wr += k * (right.next() - wr);
    const double swell = 0.7 + 0.3 * std::sin(2 * kPi * 0.15 * t);
    double l = 2.5 * wl * swell, r = 2.5 * wr * swell;
    // Bird calls: two rising chirps every 1.5 s, panned where the bird is.
    const double call = std::fmod(t, 1.5);
    double chirp = 0;
    for (double start : {0.0, 0.18}) {
      const double u = call - start;
      if (u >= 0 && u < 0.12)
        chirp += 0.35 * std::sin(2 * kPi * (2500 * u + 9000 * u * u)) * gate(u, 0, 0.12, 0.01);
    }
    const double pan = std::clamp(bird_x(t) / W, 0.0, 1.0);
    pcm[2 * i] = float(l + chirp * (1 - pan));
    pcm[2 * i + 1] = float(r + chirp * pan);
  }
  movie.sound(fmt, pcm);
  return {movie.finish(), movie.screenshot()};
}

}  // namespace mkdemo
