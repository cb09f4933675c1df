#include "smk/enc/color_quantizer.h"

#include <algorithm>
#include <array>

namespace smk::enc {

namespace {

struct Box {
  size_t begin, end;  // range in the colour list
  uint64_t weight;
  int axis;    // widest channel
  int extent;  // its width
};

int channel(uint32_t key, int axis) { return int(key >> (12 - 6 * axis) & 63); }

Box makeBox(const std::vector<WeightedColor>& c, size_t begin, size_t end) {
  Box b{begin, end, 0, 0, -1};
  std::array<int, 3> lo{63, 63, 63}, hi{0, 0, 0};
  for (size_t i = begin; i < end; ++i) {
    b.weight += c[i].count;
    for (int a = 0; a < 3; ++a) {
      lo[a] = std::min(lo[a], channel(c[i].key, a));
      hi[a] = std::max(hi[a], channel(c[i].key, a));
    }
  }
  // Green counts most for the eye, blue least.
  const int scale[3] = {3, 4, 2};
  for (int a = 0; a < 3; ++a)
    if ((hi[a] - lo[a]) * scale[a] > b.extent) b.extent = (hi[a] - lo[a]) * scale[a], b.axis = a;
  return b;
}

}  // namespace

std::vector<Color6> quantize(const std::vector<WeightedColor>& input, unsigned count) {
  std::vector<WeightedColor> c = input;
  if (c.empty() || count == 0) return {};
  if (c.size() <= count) {
    std::vector<Color6> out;
    for (const auto& w : c) out.push_back(keyColor(w.key));
    return out;
  }

  std::vector<Box> boxes{makeBox(c, 0, c.size())};
  while (boxes.size() < count) {
    // Split the box with the largest weighted extent that can still be split.
    size_t pick = boxes.size();
    double best = 0;
    for (size_t i = 0; i < boxes.size(); ++i) {
      if (boxes[i].end - boxes[i].begin < 2 || boxes[i].extent == 0) continue;
      double score = double(boxes[i].extent) * double(boxes[i].weight);
      if (score > best) best = score, pick = i;
    }
    if (pick == boxes.size()) break;
    Box b = boxes[pick];
    std::sort(c.begin() + long(b.begin), c.begin() + long(b.end),
              [&](const WeightedColor& x, const WeightedColor& y) {
                return channel(x.key, b.axis) < channel(y.key, b.axis);
              });
    uint64_t half = 0;
    size_t mid = b.begin;
    while (mid < b.end - 1 && (half + c[mid].count) * 2 <= b.weight) half += c[mid++].count;
    mid = std::clamp(mid, b.begin + 1, b.end - 1);
    boxes[pick] = makeBox(c, b.begin, mid);
    boxes.push_back(makeBox(c, mid, b.end));
  }

  // Box means, then k-means rounds over the colour list.
  std::vector<std::array<double, 3>> centre(boxes.size());
  for (size_t k = 0; k < boxes.size(); ++k) {
    std::array<double, 4> sum{};
    for (size_t i = boxes[k].begin; i < boxes[k].end; ++i) {
      for (int a = 0; a < 3; ++a) sum[a] += double(channel(c[i].key, a)) * c[i].count;
      sum[3] += c[i].count;
    }
    for (int a = 0; a < 3; ++a) centre[k][a] = sum[a] / sum[3];
  }
  for (int round = 0; round < 3; ++round) {
    std::vector<std::array<double, 4>> sum(centre.size(), std::array<double, 4>{});
    for (size_t i = 0; i < c.size(); ++i) {
      double best = 1e30;
      size_t pick = 0;
      for (size_t k = 0; k < centre.size(); ++k) {
        double d = 0;
        for (int a = 0; a < 3; ++a) {
          double e = channel(c[i].key, a) - centre[k][a];
          d += e * e;
        }
        if (d < best) best = d, pick = k;
      }
      for (int a = 0; a < 3; ++a) sum[pick][a] += double(channel(c[i].key, a)) * c[i].count;
      sum[pick][3] += c[i].count;
    }
    for (size_t k = 0; k < centre.size(); ++k)
      if (sum[k][3] > 0)
        for (int a = 0; a < 3; ++a) centre[k][a] = sum[k][a] / sum[k][3];
  }
  std::vector<Color6> out;
  for (const auto& m : centre)
    out.push_back({uint8_t(m[0] + 0.5), uint8_t(m[1] + 0.5), uint8_t(m[2] + 0.5)});
  return out;
}

}  // namespace smk::enc
