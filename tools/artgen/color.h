// Colours as the art generator mixes them: sRGB components from 0 to 1.
#pragma once

#include <algorithm>
#include <cstdint>

namespace artgen {

struct Rgb {
  double r = 0, g = 0, b = 0;
};

// 0xRRGGBB, as colours are written in the art descriptions.
constexpr Rgb hex(uint32_t rgb) {
  return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0};
}

inline Rgb mix(Rgb a, Rgb b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// Brighter for k > 0 (towards white), darker for k < 0 (towards black).
inline Rgb shade(Rgb c, double k) {
  return k >= 0 ? mix(c, hex(0xFFFFFF), k) : mix(c, hex(0x000000), -k);
}

inline Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Rgb operator*(Rgb a, double k) { return {a.r * k, a.g * k, a.b * k}; }

}  // namespace artgen
