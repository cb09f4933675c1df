// An oscilloscope in X-Y mode drawing the movie's own stereo sound: pairs of tones in
// simple ratios make Lissajous figures, one chord a second, with phosphor afterglow.
#include <algorithm>
#include <cmath>
#include <vector>

#include "movies.h"
#include "palette_util.h"
#include "synth.h"

namespace mkdemo {

namespace {

constexpr unsigned W = 320, H = 240, kFps = 20, kFrames = 8 * kFps;
constexpr uint32_t kRate = 22050;

// Left and right channel at time t: the frequency ratio changes every second.
void signal(double t, double& left, double& right) {
  static const double ratios[8][2] = {{1, 1}, {1, 2}, {2, 3}, {3, 4},
                                      {3, 5}, {4, 5}, {2, 5}, {1, 3}};
  const int k = std::min(int(t), 7);
  const double base = 110, drift = 0.25 * t;  // slow phase drift turns the figure
  left = 0.8 * std::sin(2 * kPi * base * ratios[k][0] * t);
  right = 0.8 * std::sin(2 * kPi * base * ratios[k][1] * t + drift);
  const double fade = std::min({1.0, t / 0.1, (8 - t) / 0.1});
  left *= fade;
  right *= fade;
}

}  // namespace

DemoMovie make_oscilloscope() {
  smk::enc::MovieSettings s;
  s.width = W;
  s.height = H;
  s.frameRate = smk::enc::frameRateCode(kFps).value();  // 50 ms
  s.smk4 = true;
  MovieBuilder movie(s, 70);

  enum : uint8_t { kGlow0 = 0, kLevels = 64, kGrid = 64, kBezel };
  smk::enc::Palette6 pal{};
  ramp(pal, kGlow0, 16, {4, 14, 8}, {20, 120, 40});
  ramp(pal, kGlow0 + 16, 48, {20, 120, 40}, {210, 255, 210});
  pal[kGrid] = c6({40, 70, 50});
  pal[kBezel] = c6({60, 60, 64});

  std::vector<float> glow(size_t(W) * H, 0);
  for (unsigned f = 0; f < kFrames; ++f) {
    for (float& g : glow) g *= 0.45f;  // afterglow
    const size_t first = size_t(f) * kRate / kFps, last = size_t(f + 1) * kRate / kFps;
    for (size_t i = first; i < last; ++i) {
      double l, r;
      signal(double(i) / kRate, l, r);
      const int x = int(W / 2.0 + l * 100), y = int(H / 2.0 - r * 100);
      for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx) glow[size_t(y + dy) * W + size_t(x + dx)] += 0.35f;
    }
    Canvas c(W, H, kBezel);
    c.fill_rect(50, 10, 220, 220, kGlow0);
    for (int k = 0; k <= 10; ++k) {
      c.fill_rect(50 + k * 22, 10, 1, 220, kGrid);
      c.fill_rect(50, 10 + k * 22, 220, 1, kGrid);
    }
    for (unsigned y = 10; y < 230; ++y)
      for (unsigned x = 50; x < 270; ++x) {
        const float g = glow[size_t(y) * W + x];
        if (g > 0.02f) c.set(int(x), int(y), uint8_t(std::min<int>(kLevels - 1, int(8 + g * 40))));
      }
    movie.frame(c, pal);
  }

  smk::enc::AudioFormat fmt{kRate, 2, 16, true};
  const size_t n = size_t(kFrames) * kRate / kFps;
  std::vector<float> pcm(2 * n);
  for (size_t i = 0; i < n; ++i) {
    double l, r;
    signal(double(i) / kRate, l, r);
    pcm[2 * i] = float(0.5 * l);
    pcm[2 * i + 1] = float(0.5 * r);
  }
  movie.sound(fmt, pcm);
  return {movie.finish(), movie.screenshot()};
}

}  // namespace mkdemo
