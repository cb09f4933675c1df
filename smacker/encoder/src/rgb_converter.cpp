#include "smk/enc/rgb_converter.h"

#include <algorithm>
#include <array>

#include "smk/enc/color_quantizer.h"

namespace smk::enc {

namespace {

constexpr uint32_t kKeys = 1u << 18;

const std::array<uint8_t, 256>& to6() {
  static const std::array<uint8_t, 256> t = [] {
    std::array<uint8_t, 256> a{};
    for (int v = 0; v < 256; ++v) a[v] = nearest6(uint8_t(v));
    return a;
  }();
  return t;
}

uint32_t distance(Color6 a, Color6 b) {
  int dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
  return uint32_t(3 * dr * dr + 4 * dg * dg + 2 * db * db);
}

}  // namespace

Result<RgbConverter> RgbConverter::create(const RgbConverterSettings& settings) {
  if (settings.entryCount == 0 || settings.firstEntry + settings.entryCount > 256)
    return Error{ErrorKind::Invalid, Part::Settings, "palette range outside 0..255", 0, -1, -1};
  if (settings.width == 0 || settings.height == 0)
    return Error{ErrorKind::Invalid, Part::Settings, "empty picture", 0, -1, -1};
  return RgbConverter(settings);
}

RgbConverter::RgbConverter(const RgbConverterSettings& settings)
    : s_(settings),
      used_(256, false),
      slotOfKey_(kKeys, -1),
      nearest_(kKeys, -1),
      stamp_(kKeys, 0),
      count_(kKeys, 0) {}

void RgbConverter::setEntry(unsigned slot, Color6 c) {
  if (used_[slot] && slotOfKey_[colorKey(palette_[slot])] == int16_t(slot))
    slotOfKey_[colorKey(palette_[slot])] = -1;
  palette_[slot] = c;
  used_[slot] = true;
  slotOfKey_[colorKey(c)] = int16_t(slot);
}

uint8_t RgbConverter::nearest(uint32_t key) {
  if (nearest_[key] >= 0) return uint8_t(nearest_[key]);
  const Color6 c = keyColor(key);
  uint32_t best = ~0u;
  unsigned pick = s_.firstEntry;
  for (unsigned i = s_.firstEntry; i < s_.firstEntry + s_.entryCount; ++i) {
    if (!used_[i]) continue;
    uint32_t d = distance(c, palette_[i]);
    if (d < best) best = d, pick = i;
  }
  nearest_[key] = int16_t(pick);
  return uint8_t(pick);
}

double RgbConverter::fitError(const std::vector<uint32_t>& keys,
                              const std::vector<uint32_t>& counts) {
  double sum = 0, n = 0;
  for (size_t i = 0; i < keys.size(); ++i) {
    sum += double(distance(keyColor(keys[i]), palette_[nearest(keys[i])])) * counts[i];
    n += counts[i];
  }
  return n > 0 ? sum / n : 0;
}

void RgbConverter::mapExact(const std::vector<uint32_t>& keys) {
  // Entries holding colours of this picture stay; the others are free for its new colours.
  std::vector<bool> keep(256, false);
  for (uint32_t k : keys)
    if (slotOfKey_[k] >= 0) keep[size_t(slotOfKey_[k])] = true;
  unsigned next = s_.firstEntry;
  bool changed = false;
  for (uint32_t k : keys) {
    if (slotOfKey_[k] >= 0) continue;
    // Prefer entries never used, then entries whose colour this picture does not need.
    unsigned slot = 256;
    for (unsigned pass = 0; pass < 2 && slot == 256; ++pass)
      for (unsigned i = next; i < s_.firstEntry + s_.entryCount; ++i)
        if (!keep[i] && (pass == 1 || !used_[i])) {
          slot = i;
          break;
        }
    // Exact mapping is only chosen when the picture's colours fit the entries.
    if (slot == 256) break;
    keep[slot] = true;
    setEntry(slot, keyColor(k));
    changed = true;
  }
  if (changed) std::fill(nearest_.begin(), nearest_.end(), -1);
}

void RgbConverter::quantizeNew(const std::vector<uint32_t>& keys,
                               const std::vector<uint32_t>& counts) {
  std::vector<WeightedColor> colours;
  for (size_t i = 0; i < keys.size(); ++i) colours.push_back({keys[i], counts[i]});
  std::vector<Color6> pal = quantize(colours, s_.entryCount);
  // Colours already in the palette keep their entries, so unchanged areas can be skipped.
  std::vector<bool> taken(256, false);
  std::vector<Color6> rest;
  for (Color6 c : pal) {
    int16_t slot = slotOfKey_[colorKey(c)];
    if (slot >= 0 && !taken[size_t(slot)])
      taken[size_t(slot)] = true;
    else
      rest.push_back(c);
  }
  unsigned i = s_.firstEntry;
  for (Color6 c : rest) {
    while (taken[i]) ++i;
    taken[i] = true;
    setEntry(i, c);
  }
  std::fill(nearest_.begin(), nearest_.end(), -1);
}

Status RgbConverter::convert(std::span<const uint8_t> rgb) {
  const size_t pixels = size_t(s_.width) * s_.height;
  if (rgb.size() != pixels * 3)
    return Error{ErrorKind::Invalid, Part::Video, "picture size does not match", 0, -1, -1};
  ++frame_;
  const auto& t = to6();
  pixelKeys_.resize(pixels);
  std::vector<uint32_t> keys, counts;
  for (size_t p = 0; p < pixels; ++p) {
    uint32_t k =
        uint32_t(t[rgb[3 * p]]) << 12 | uint32_t(t[rgb[3 * p + 1]]) << 6 | t[rgb[3 * p + 2]];
    pixelKeys_[p] = k;
    if (stamp_[k] != frame_) {
      stamp_[k] = frame_;
      count_[k] = 0;
      keys.push_back(k);
    }
    ++count_[k];
  }
  for (uint32_t k : keys) counts.push_back(count_[k]);

  exact_ = keys.size() <= s_.entryCount;
  if (exact_) {
    mapExact(keys);
    fittedError_ = 0;
  } else {
    const double err = havePalette_ ? fitError(keys, counts) : 0;
    if (!havePalette_ || err > std::max(fittedError_ * 1.5, fittedError_ + 6.0)) {
      quantizeNew(keys, counts);
      fittedError_ = fitError(keys, counts);
    }
  }
  havePalette_ = true;
  indices_.resize(pixels);
  for (size_t p = 0; p < pixels; ++p) {
    int16_t slot = slotOfKey_[pixelKeys_[p]];
    indices_[p] = slot >= 0 ? uint8_t(slot) : nearest(pixelKeys_[p]);
  }
  return {};
}

}  // namespace smk::enc
