#pragma once
// Building demo palettes from 8-bit RGB colours.
#include <algorithm>
#include <cmath>

#include "smk/enc/palette.h"

namespace mkdemo {

struct Rgb {
  double r, g, b;
};

inline smk::enc::Color6 c6(Rgb c) {
  auto q = [](double v) {
    return smk::enc::nearest6(uint8_t(std::lround(std::clamp(v, 0.0, 255.0))));
  };
  return {q(c.r), q(c.g), q(c.b)};
}

inline Rgb mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// Entries first .. first+count-1 blend from `from` to `to`.
inline void ramp(smk::enc::Palette6& p, int first, int count, Rgb from, Rgb to) {
  for (int i = 0; i < count; ++i)
    p[size_t(first + i)] = c6(mix(from, to, count > 1 ? double(i) / (count - 1) : 0));
}

}  // namespace mkdemo
