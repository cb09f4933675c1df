#pragma once
// Small sound-synthesis helpers for the demo movies.
#include <cmath>
#include <cstdint>

namespace mkdemo {

constexpr double kPi = 3.14159265358979323846;

inline double sine(double freq, double t) { return std::sin(2 * kPi * freq * t); }

// 0 outside [start, start + length), with short linear fades at both ends (no clicks).
inline double gate(double t, double start, double length, double fade = 0.005) {
  const double u = t - start;
  if (u < 0 || u >= length) return 0;
  return std::fmin(1.0, std::fmin(u / fade, (length - u) / fade));
}

// Exponentially decaying hit that starts at `start`.
inline double hit(double t, double start, double decay) {
  const double u = t - start;
  return u < 0 ? 0 : std::exp(-u / decay) * std::fmin(1.0, u / 0.002);
}

// Deterministic white noise in -1..1.
class Noise {
 public:
  explicit Noise(uint32_t seed = 1) : s_(seed) {}
  double next() {
    s_ = s_ * 1664525u + 1013904223u;
    return double(s_ >> 8) / double(1u << 23) - 1.0;
  }

 private:
  uint32_t s_;
};

// Frequency of a note, counted in semitones from A4 (440 Hz).
inline double note(int semitones) { return 440.0 * std::pow(2.0, semitones / 12.0); }

}  // namespace mkdemo
