#include "colour_table.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

namespace artgen {

namespace {

struct WeightedColour {
  double r, g, b;
  double weight;
};

Rgb8 toRgb8(Rgb c) {
  auto channel = [](double v) {
    return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
  };
  return {channel(c.r), channel(c.g), channel(c.b)};
}

double distance2(const WeightedColour& a, const WeightedColour& b) {
  // Green weighs most and blue least, roughly as the eye sees differences.
  const double dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
  return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

std::vector<WeightedColour> histogram(const std::vector<const Picture*>& pictures) {
  std::map<uint32_t, double> counts;
  for (const Picture* picture : pictures) {
    for (Rgb c : picture->pixels) {
      const Rgb8 c8 = toRgb8(c);
      counts[(uint32_t{c8.r} << 16) | (uint32_t{c8.g} << 8) | c8.b] += 1;
    }
  }
  std::vector<WeightedColour> colours;
  for (auto [key, count] : counts)
    colours.push_back({double(key >> 16), double((key >> 8) & 0xFF), double(key & 0xFF), count});
  return colours;
}

WeightedColour mean(const std::vector<WeightedColour>& box) {
  WeightedColour m{0, 0, 0, 0};
  for (const WeightedColour& c : box) {
    m.r += c.r * c.weight;
    m.g += c.g * c.weight;
    m.b += c.b * c.weight;
    m.weight += c.weight;
  }
  return {m.r / m.weight, m.g / m.weight, m.b / m.weight, m.weight};
}

// Median cut: splits the colour cloud into `count` boxes and returns their mean colours.
std::vector<WeightedColour> medianCut(std::vector<WeightedColour> colours, std::size_t count) {
  std::vector<std::vector<WeightedColour>> boxes{std::move(colours)};
  auto spread = [](const std::vector<WeightedColour>& box, int axis) {
    auto value = [axis](const WeightedColour& c) {
      return axis == 0 ? c.r : axis == 1 ? c.g : c.b;
    };
    auto [lo, hi] = std::minmax_element(box.begin(), box.end(),
                                        [&](auto& a, auto& b) { return value(a) < value(b); });
    return value(*hi) - value(*lo);
  };
  while (boxes.size() < count) {
    // Split the box whose widest side, weighted by how much of the pictures it covers, is largest.
    std::size_t best = boxes.size();
    double bestScore = 0;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      if (boxes[i].size() < 2) continue;
      const double side = std::max({spread(boxes[i], 0), spread(boxes[i], 1), spread(boxes[i], 2)});
      const double score = side * std::sqrt(mean(boxes[i]).weight);
      if (score > bestScore) bestScore = score, best = i;
    }
    if (best == boxes.size()) break;
    std::vector<WeightedColour> box = std::move(boxes[best]);
    int axis = 0;
    for (int a = 1; a < 3; ++a)
      if (spread(box, a) > spread(box, axis)) axis = a;
    std::sort(box.begin(), box.end(), [axis](auto& x, auto& y) {
      return axis == 0 ? x.r < y.r : axis == 1 ? x.g < y.g : x.b < y.b;
    });
    const double half = mean(box).weight / 2;
    double running = 0;
    std::size_t cut = 0;
    while (cut < box.size() - 1 && running + box[cut].weight <= half) running += box[cut++].weight;
    cut = std::max<std::size_t>(cut, 1);
    boxes[best].assign(box.begin(), box.begin() + static_cast<std::ptrdiff_t>(cut));
    boxes.emplace_back(box.begin() + static_cast<std::ptrdiff_t>(cut), box.end());
  }
  std::vector<WeightedColour> centres;
  for (const auto& box : boxes) centres.push_back(mean(box));
  return centres;
}

std::size_t nearest(const WeightedColour& c, const std::vector<WeightedColour>& centres) {
  std::size_t best = 0;
  double bestDistance = distance2(c, centres[0]);
  for (std::size_t i = 1; i < centres.size(); ++i) {
    const double d = distance2(c, centres[i]);
    if (d < bestDistance) bestDistance = d, best = i;
  }
  return best;
}

WeightedColour fromRgb8(Rgb8 c) { return {double(c.r), double(c.g), double(c.b), 1}; }

}  // namespace

ColourTable staticColours() {
  ColourTable table{};
  const Rgb8 low[10] = {{0, 0, 0},      {128, 0, 0},    {0, 128, 0},   {128, 128, 0},
                        {0, 0, 128},    {128, 0, 128},  {0, 128, 128}, {192, 192, 192},
                        {79, 101, 125}, {166, 202, 240}};
  const Rgb8 high[10] = {{193, 204, 217}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},
                         {0, 255, 0},     {255, 255, 0},   {0, 0, 255},     {255, 0, 255},
                         {0, 255, 255},   {255, 255, 255}};
  std::copy(std::begin(low), std::end(low), table.begin());
  std::copy(std::begin(high), std::end(high), table.begin() + kLastPictureColour + 1);
  return table;
}

ColourTable buildColourTable(const std::vector<const Picture*>& pictures) {
  const ColourTable statics = staticColours();
  const std::vector<WeightedColour> colours = histogram(pictures);
  constexpr std::size_t kPictureColours = kLastPictureColour - kFirstPictureColour + 1;

  // The static colours take part as fixed centres, so the free ones settle where they are needed.
  std::vector<WeightedColour> centres;
  for (int i = 0; i < 256; ++i)
    if (i < kFirstPictureColour || i > kLastPictureColour) centres.push_back(fromRgb8(statics[i]));
  const std::size_t fixed = centres.size();
  for (const WeightedColour& c : medianCut(colours, kPictureColours)) centres.push_back(c);
  while (centres.size() < fixed + kPictureColours) centres.push_back({0, 0, 0, 0});

  for (int round = 0; round < 16; ++round) {
    std::vector<WeightedColour> sums(centres.size(), {0, 0, 0, 0});
    for (const WeightedColour& c : colours) {
      WeightedColour& sum = sums[nearest(c, centres)];
      sum.r += c.r * c.weight, sum.g += c.g * c.weight, sum.b += c.b * c.weight;
      sum.weight += c.weight;
    }
    for (std::size_t i = fixed; i < centres.size(); ++i)
      if (sums[i].weight > 0)
        centres[i] = {sums[i].r / sums[i].weight, sums[i].g / sums[i].weight,
                      sums[i].b / sums[i].weight, sums[i].weight};
  }

  // Darkest to brightest, then nudged apart so that every entry is a colour of its own.
  std::vector<WeightedColour> free(centres.begin() + static_cast<std::ptrdiff_t>(fixed),
                                   centres.end());
  std::sort(free.begin(), free.end(), [](auto& a, auto& b) {
    return 3 * a.r + 4 * a.g + 2 * a.b < 3 * b.r + 4 * b.g + 2 * b.b;
  });
  ColourTable table = statics;
  std::set<uint32_t> used;
  for (int i = 0; i < 256; ++i)
    if (i < kFirstPictureColour || i > kLastPictureColour)
      used.insert((uint32_t{table[i].r} << 16) | (uint32_t{table[i].g} << 8) | table[i].b);
  for (std::size_t i = 0; i < free.size(); ++i) {
    Rgb8 c = toRgb8({free[i].r / 255, free[i].g / 255, free[i].b / 255});
    for (int step = 0; !used.insert((uint32_t{c.r} << 16) | (uint32_t{c.g} << 8) | c.b).second;
         ++step) {
      uint8_t& channel = step % 3 == 0 ? c.g : step % 3 == 1 ? c.r : c.b;
      channel = channel < 255 ? channel + 1 : channel - 1;
    }
    table[kFirstPictureColour + i] = c;
  }
  return table;
}

std::vector<uint8_t> toIndexes(const Picture& picture, const ColourTable& table) {
  std::vector<WeightedColour> entries;
  for (Rgb8 c : table) entries.push_back(fromRgb8(c));
  std::map<uint32_t, uint8_t> cache;
  std::vector<uint8_t> indexes;
  indexes.reserve(picture.pixels.size());
  for (Rgb c : picture.pixels) {
    const Rgb8 c8 = toRgb8(c);
    const uint32_t key = (uint32_t{c8.r} << 16) | (uint32_t{c8.g} << 8) | c8.b;
    auto found = cache.find(key);
    if (found == cache.end())
      found = cache.emplace(key, static_cast<uint8_t>(nearest(fromRgb8(c8), entries))).first;
    indexes.push_back(found->second);
  }
  return indexes;
}

}  // namespace artgen
