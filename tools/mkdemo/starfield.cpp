// A flight through a star field, stored at half height with the Y-doubled flag (shown at
// 640x480), with an engine hum and a rising whoosh.
#include <cmath>
#include <vector>

#include "movies.h"
#include "palette_util.h"
#include "synth.h"

namespace mkdemo {

DemoMovie make_starfield() {
  constexpr unsigned W = 640, H = 240, kFps = 15, kFrames = 8 * kFps, kStars = 700;
  smk::enc::MovieSettings s;
  s.width = W;
  s.height = H;
  s.frameRate = smk::enc::frameRateCode(kFps).value();
  s.yDoubled = true;
  MovieBuilder movie(s, 75);

  enum : uint8_t { kSpace = 0, kStar = 1, kText = 40 };
  smk::enc::Palette6 pal{};
  pal[kSpace] = c6({0, 0, 12});
  ramp(pal, kStar, 32, {70, 70, 110}, {255, 255, 255});
  pal[kText] = c6({120, 200, 255});

  struct Star {
    double x, y, z;
  };
  std::vector<Star> stars;
  Noise rnd(11);
  for (unsigned i = 0; i < kStars; ++i)
    stars.push_back({rnd.next() * 400, rnd.next() * 300, 1 + 99 * (rnd.next() + 1) / 2});

  for (unsigned f = 0; f < kFrames; ++f) {
    Canvas c(W, H, kSpace);
    const double speed = 0.6 + 0.25 * f / kFps;  // accelerating
    for (Star& st : stars) {
      st.z -= speed;
      if (st.z < 1) st.z += 99;
      const double sx = W / 2.0 + st.x / st.z * 60, sy = H / 2.0 + st.y / st.z * 30;  // half height
      if (sx < -4 || sy < -4 || sx > W || sy > H) continue;
      const int bright = std::clamp(int(36 - st.z / 2.5), 0, 31);
      const double size = st.z < 12 ? 3 : st.z < 35 ? 2 : 1;
      c.fill_rect(int(sx), int(sy), int(size * 2), int(std::ceil(size)), uint8_t(kStar + bright));
    }
    if (f < 3 * kFps)
      c.text(int(W) / 2 - Canvas::text_width("DEEP SPACE", 3) / 2, 20, "DEEP SPACE", 3, kText);
    movie.frame(c, pal);
  }

  smk::enc::AudioFormat fmt{22050, 1, 16, true};
  std::vector<float> pcm(size_t(kFrames) * fmt.rate / kFps);
  Noise noise(5);
  double lp = 0;
  for (size_t i = 0; i < pcm.size(); ++i) {
    const double t = double(i) / fmt.rate;
    const double hum = 0.18 * sine(55, t) + 0.09 * sine(110.5, t) + 0.05 * sine(165, t);
    const double cutoff = 0.01 + 0.05 * t / 8;  // the whoosh brightens as the ship speeds up
    lp += cutoff * (noise.next() - lp);
    pcm[i] = float(hum + 1.5 * lp * std::fmin(1.0, t / 2));
  }
  movie.sound(fmt, pcm);
  return {movie.finish(), movie.screenshot()};
}

}  // namespace mkdemo
