#include "smk/enc/big_tree.h"

#include <algorithm>
#include <stdexcept>

#include "smk/enc/bit_writer.h"
#include "smk/enc/small_tree.h"
#include "smk/format.h"

namespace smk::enc {

BigTree::BigTree() : counts_(kRef0 + 3, 0) {}

void BigTree::push_cache(uint16_t value) {
  if (value != cache_[0]) {
    cache_[2] = cache_[1];
    cache_[1] = cache_[0];
    cache_[0] = value;
  }
}

// Cheapest way to send `value` now: the ordinary leaf or a slot holding it. Before any code
// exists, a matching slot is preferred (the first one), as that keeps leaves few.
uint32_t BigTree::choose(uint16_t value) const {
  uint32_t best = kRef0 + 3;
  unsigned best_len = ~0u;
  for (uint32_t s = 0; s < 3; ++s) {
    if (cache_[s] != value) continue;
    if (!have_code_) return kRef0 + s;
    if (code_.has(kRef0 + s) && code_.length[kRef0 + s] < best_len) {
      best = kRef0 + s;
      best_len = code_.length[kRef0 + s];
    }
  }
  if (!have_code_ || (code_.has(value) && code_.length[value] < best_len)) best = value;
  if (best == kRef0 + 3) throw std::logic_error("video symbol without a code");
  return best;
}

void BigTree::count(uint16_t value) {
  ++symbols_;
  count_choice(value);
}

void BigTree::count_choice(uint16_t value) {
  ++counts_[choose(value)];
  push_cache(value);
}

void BigTree::build_code() {
  if (empty()) return;
  have_code_ = false;
  code_ = build_huffman(counts_, 32);
  have_code_ = true;
}

void BigTree::finish() {
  if (empty()) return;
  // Escape values must differ from every ordinary leaf. Prefer values whose two bytes
  // already occur among the leaves, so the byte trees need no extra leaves.
  std::array<bool, 256> lo_seen{}, hi_seen{};
  for (uint32_t v = 0; v < kRef0; ++v)
    if (code_.has(v)) lo_seen[v & 0xFF] = hi_seen[v >> 8] = true;
  unsigned found = 0;
  for (int pass = 0; pass < 2 && found < 3; ++pass) {
    for (uint32_t v = 0; v < kRef0 && found < 3; ++v) {
      if (code_.has(v)) continue;
      if (pass == 0 && !(lo_seen[v & 0xFF] && hi_seen[v >> 8])) continue;
      if (std::find(escape_.begin(), escape_.begin() + found, v) != escape_.begin() + found)
        continue;
      escape_[found++] = uint16_t(v);
    }
  }
  if (found < 3) throw std::runtime_error("too many distinct video symbols to code");

  std::array<uint64_t, 256> lo_counts{}, hi_counts{};
  for (const auto& node : code_.preorder) {
    if (!node.leaf) continue;
    uint16_t raw = node.symbol >= kRef0 ? escape_[node.symbol - kRef0] : uint16_t(node.symbol);
    ++lo_counts[raw & 0xFF];
    ++hi_counts[raw >> 8];
  }
  lo_ = build_small_tree(lo_counts);
  hi_ = build_small_tree(hi_counts);
}

void BigTree::write_tree(BitWriter& out) const {
  if (empty()) {
    out.put_bit(false);
    return;
  }
  out.put_bit(true);
  write_small_tree(out, lo_);
  write_small_tree(out, hi_);
  for (uint16_t e : escape_) out.put(e, 16);
  for (const auto& node : code_.preorder) {
    if (!node.leaf) {
      out.put_bit(true);
      continue;
    }
    out.put_bit(false);
    uint16_t raw = node.symbol >= kRef0 ? escape_[node.symbol - kRef0] : uint16_t(node.symbol);
    lo_.write(out, raw & 0xFF);
    hi_.write(out, raw >> 8);
  }
  out.put_bit(false);
}

uint32_t BigTree::size_field() const {
  return empty() ? 0 : format::treeSizeField(uint32_t(code_.preorder.size()));
}

void BigTree::encode(BitWriter& out, uint16_t value) {
  code_.write(out, choose(value));
  push_cache(value);
}

}  // namespace smk::enc
