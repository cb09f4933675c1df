#include "smk/enc/rgb_converter.h"

#include <algorithm>
#include <array>
#include <stdexcept>

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

RgbConverter::RgbConverter(const RgbConverterSettings& settings)
    : s_(settings),
      used_(256, false),
      slot_of_key_(kKeys, -1),
      nearest_(kKeys, -1),
      stamp_(kKeys, 0),
      count_(kKeys, 0) {
  if (s_.entry_count == 0 || s_.first_entry + s_.entry_count > 256)
    throw std::invalid_argument("bad palette range");
  if (s_.width == 0 || s_.height == 0) throw std::invalid_argument("empty picture");
}

void RgbConverter::set_entry(unsigned slot, Color6 c) {
  if (used_[slot] && slot_of_key_[color_key(palette_[slot])] == int16_t(slot))
    slot_of_key_[color_key(palette_[slot])] = -1;
  palette_[slot] = c;
  used_[slot] = true;
  slot_of_key_[color_key(c)] = int16_t(slot);
}

uint8_t RgbConverter::nearest(uint32_t key) {
  if (nearest_[key] >= 0) return uint8_t(nearest_[key]);
  const Color6 c = key_color(key);
  uint32_t best = ~0u;
  unsigned pick = s_.first_entry;
  for (unsigned i = s_.first_entry; i < s_.first_entry + s_.entry_count; ++i) {
    if (!used_[i]) continue;
    uint32_t d = distance(c, palette_[i]);
    if (d < best) best = d, pick = i;
  }
  nearest_[key] = int16_t(pick);
  return uint8_t(pick);
}

double RgbConverter::fit_error(const std::vector<uint32_t>& keys,
                               const std::vector<uint32_t>& counts) {
  double sum = 0, n = 0;
  for (size_t i = 0; i < keys.size(); ++i) {
    sum += double(distance(key_color(keys[i]), palette_[nearest(keys[i])])) * counts[i];
    n += counts[i];
  }
  return n > 0 ? sum / n : 0;
}

void RgbConverter::map_exact(const std::vector<uint32_t>& keys) {
  // Entries holding colours of this picture stay; the others are free for its new colours.
  std::vector<bool> keep(256, false);
  for (uint32_t k : keys)
    if (slot_of_key_[k] >= 0) keep[size_t(slot_of_key_[k])] = true;
  unsigned next = s_.first_entry;
  bool changed = false;
  for (uint32_t k : keys) {
    if (slot_of_key_[k] >= 0) continue;
    // Prefer entries never used, then entries whose colour this picture does not need.
    unsigned slot = 256;
    for (unsigned pass = 0; pass < 2 && slot == 256; ++pass)
      for (unsigned i = next; i < s_.first_entry + s_.entry_count; ++i)
        if (!keep[i] && (pass == 1 || !used_[i])) {
          slot = i;
          break;
        }
    if (slot == 256) throw std::logic_error("no free palette entry");
    keep[slot] = true;
    set_entry(slot, key_color(k));
    changed = true;
  }
  if (changed) std::fill(nearest_.begin(), nearest_.end(), -1);
}

void RgbConverter::quantize_new(const std::vector<uint32_t>& keys,
                                const std::vector<uint32_t>& counts) {
  std::vector<WeightedColor> colours;
  for (size_t i = 0; i < keys.size(); ++i) colours.push_back({keys[i], counts[i]});
  std::vector<Color6> pal = quantize(colours, s_.entry_count);
  // Colours already in the palette keep their entries, so unchanged areas can be skipped.
  std::vector<bool> taken(256, false);
  std::vector<Color6> rest;
  for (Color6 c : pal) {
    int16_t slot = slot_of_key_[color_key(c)];
    if (slot >= 0 && !taken[size_t(slot)])
      taken[size_t(slot)] = true;
    else
      rest.push_back(c);
  }
  unsigned i = s_.first_entry;
  for (Color6 c : rest) {
    while (taken[i]) ++i;
    taken[i] = true;
    set_entry(i, c);
  }
  std::fill(nearest_.begin(), nearest_.end(), -1);
}

void RgbConverter::convert(std::span<const uint8_t> rgb) {
  const size_t pixels = size_t(s_.width) * s_.height;
  if (rgb.size() != pixels * 3) throw std::invalid_argument("picture size does not match");
  ++frame_;
  const auto& t = to6();
  pixel_keys_.resize(pixels);
  std::vector<uint32_t> keys, counts;
  for (size_t p = 0; p < pixels; ++p) {
    uint32_t k =
        uint32_t(t[rgb[3 * p]]) << 12 | uint32_t(t[rgb[3 * p + 1]]) << 6 | t[rgb[3 * p + 2]];
    pixel_keys_[p] = k;
    if (stamp_[k] != frame_) {
      stamp_[k] = frame_;
      count_[k] = 0;
      keys.push_back(k);
    }
    ++count_[k];
  }
  for (uint32_t k : keys) counts.push_back(count_[k]);

  exact_ = keys.size() <= s_.entry_count;
  if (exact_) {
    map_exact(keys);
    fitted_error_ = 0;
  } else {
    const double err = have_palette_ ? fit_error(keys, counts) : 0;
    if (!have_palette_ || err > std::max(fitted_error_ * 1.5, fitted_error_ + 6.0)) {
      quantize_new(keys, counts);
      fitted_error_ = fit_error(keys, counts);
    }
  }
  have_palette_ = true;
  indices_.resize(pixels);
  for (size_t p = 0; p < pixels; ++p) {
    int16_t slot = slot_of_key_[pixel_keys_[p]];
    indices_[p] = slot >= 0 ? uint8_t(slot) : nearest(pixel_keys_[p]);
  }
}

}  // namespace smk::enc
