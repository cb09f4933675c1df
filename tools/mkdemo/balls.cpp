// Shaded balls bouncing on a chequered floor, stored as every second line with the
// Y-interlaced flag (shown at 320x240); each bounce sounds where the ball lands.
#include <cmath>
#include <vector>

#include "movies.h"
#include "palette_util.h"
#include "synth.h"

namespace mkdemo {

namespace {

constexpr unsigned W = 320, H = 120, kFps = 15, kFrames = 8 * kFps, kBalls = 5;
constexpr double kFloor = 100;    // stored lines
constexpr double kGravity = 300;  // stored lines per second squared

struct Ball {
  double x, vx, y, vy, r;
};

}  // namespace

DemoMovie make_balls() {
  smk::enc::MovieSettings s;
  s.width = W;
  s.height = H;
  s.frameRate = smk::enc::frameRateCode(kFps).value();
  s.smk4 = true;
  s.yInterlaced = true;
  MovieBuilder movie(s, 50);

  enum : uint8_t { kWall = 0, kWallDark, kTileA, kTileB, kShadow, kBall0 = 16 };
  smk::enc::Palette6 pal{};
  pal[kWall] = c6({60, 70, 100});
  pal[kWallDark] = c6({45, 52, 78});
  pal[kTileA] = c6({210, 210, 200});
  pal[kTileB] = c6({120, 110, 100});
  pal[kShadow] = c6({50, 45, 40});
  const Rgb colours[kBalls] = {
      {230, 40, 40}, {40, 200, 60}, {50, 100, 240}, {240, 200, 30}, {200, 60, 220}};
  for (unsigned b = 0; b < kBalls; ++b) {
    ramp(pal, kBall0 + 16 * b, 12, mix(colours[b], {255, 255, 255}, 0.8), colours[b]);
    ramp(pal, kBall0 + 16 * b + 12, 4, colours[b], mix(colours[b], {0, 0, 0}, 0.6));
  }

  std::vector<Ball> balls;
  for (unsigned b = 0; b < kBalls; ++b)
    balls.push_back(
        {30.0 + b * 60, (b % 2 ? 1 : -1) * (25.0 + 9 * b), 20.0 + 7 * b, 0, 9.0 + b * 1.5});

  // Simulate in small steps, noting each bounce for the sound.
  struct Bounce {
    double t, x, strength;
    unsigned ball;
  };
  std::vector<Bounce> bounces;
  std::vector<std::vector<Ball>> states;
  constexpr int kSteps = 20;
  for (unsigned f = 0; f < kFrames; ++f) {
    states.push_back(balls);
    for (int k = 0; k < kSteps; ++k) {
      const double dt = 1.0 / kFps / kSteps, t = (f + double(k) / kSteps) / kFps;
      for (unsigned b = 0; b < kBalls; ++b) {
        Ball& ball = balls[b];
        ball.vy += kGravity * dt;
        ball.x += ball.vx * dt;
        ball.y += ball.vy * dt;
        const double floor_y = kFloor - ball.r / 2;  // balls look round at double height
        if (ball.y > floor_y && ball.vy > 0) {
          ball.y = floor_y;
          bounces.push_back({t, ball.x, std::min(1.0, ball.vy / 250), b});
          ball.vy = ball.vy < 60 ? -170 : -ball.vy * 0.92;  // keep them hopping
        }
        if ((ball.x < ball.r && ball.vx < 0) || (ball.x > W - ball.r && ball.vx > 0))
          ball.vx = -ball.vx;
      }
    }
  }

  for (unsigned f = 0; f < kFrames; ++f) {
    Canvas c(W, H);
    for (unsigned y = 0; y < unsigned(kFloor); ++y)
      c.fill_rect(0, int(y), W, 1, (y / 8) % 2 ? kWall : kWallDark);
    // Floor tiles in perspective.
    for (unsigned y = unsigned(kFloor); y < H; ++y) {
      const double depth = (y - kFloor + 1) / (H - kFloor);
      for (unsigned x = 0; x < W; ++x) {
        const int u = int(std::floor((x - W / 2.0) / (20 + 40 * depth))), v = int((y - kFloor) / 4);
        c.set(int(x), int(y), (u + v) % 2 ? kTileA : kTileB);
      }
    }
    for (unsigned b = 0; b < kBalls; ++b) {
      const Ball& ball = states[f][b];
      // Shadow on the floor, smaller when the ball is high.
      const double hgt = (kFloor - ball.y) / kFloor;
      for (int dy = -2; dy <= 2; ++dy)
        c.fill_rect(int(ball.x - ball.r * (1 - hgt / 2)), int(kFloor + 4 + dy),
                    int(2 * ball.r * (1 - hgt / 2)), 1, kShadow);
      // Stored at half height: the ball is an ellipse here and round on screen.
      for (int y = int(ball.y - ball.r / 2) - 1; y <= int(ball.y + ball.r / 2) + 1; ++y)
        for (int x = int(ball.x - ball.r) - 1; x <= int(ball.x + ball.r) + 1; ++x) {
          const double dx = (x + 0.5 - ball.x) / ball.r, dy = (y + 0.5 - ball.y) * 2 / ball.r;
          if (dx * dx + dy * dy > 1) continue;
          const double light =
              std::sqrt((dx + 0.4) * (dx + 0.4) + (dy + 0.5) * (dy + 0.5));  // highlight top left
          c.set(x, y, uint8_t(kBall0 + 16 * b + std::min(15, int(light * 10))));
        }
    }
    movie.frame(c, pal);
  }

  smk::enc::AudioFormat fmt{11025, 2, 8, true};
  const size_t n = size_t(kFrames) * fmt.rate / kFps;
  std::vector<double> left(n, 0), right(n, 0);
  for (const Bounce& b : bounces) {
    const double freq = 180 + 70 * b.ball, pan = std::clamp(b.x / W, 0.0, 1.0);
    const size_t start = size_t(b.t * fmt.rate);
    for (size_t i = start; i < std::min(n, start + fmt.rate / 4); ++i) {
      const double u = double(i - start) / fmt.rate;
      const double v =
          0.6 * b.strength * hit(u, 0, 0.05) * std::sin(2 * kPi * freq * u * (1 - 0.5 * u));
      left[i] += v * (1 - pan);
      right[i] += v * pan;
    }
  }
  std::vector<float> pcm(2 * n);
  for (size_t i = 0; i < n; ++i) pcm[2 * i] = float(left[i]), pcm[2 * i + 1] = float(right[i]);
  movie.sound(fmt, pcm);
  return {movie.finish(), movie.screenshot()};
}

}  // namespace mkdemo
