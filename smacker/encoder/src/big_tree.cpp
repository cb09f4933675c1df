#include "smk/enc/big_tree.h"

#include <algorithm>
#include <stdexcept>

#include "smk/enc/bit_writer.h"
#include "smk/enc/small_tree.h"
#include "smk/format.h"

namespace smk::enc {

BigTree::BigTree() : counts_(kRef0 + 3, 0) {}

void BigTree::pushCache(uint16_t value) {
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
  unsigned bestLen = ~0u;
  for (uint32_t s = 0; s < 3; ++s) {
    if (cache_[s] != value) continue;
    if (!haveCode_) return kRef0 + s;
    if (code_.has(kRef0 + s) && code_.length[kRef0 + s] < bestLen) {
      best = kRef0 + s;
      bestLen = code_.length[kRef0 + s];
    }
  }
  if (!haveCode_ || (code_.has(value) && code_.length[value] < bestLen)) best = value;
  // Every round replays the same symbols with the same cache states, so the choice of the
  // round the code was built from is still there: reaching this is a bug, not bad input.
  if (best == kRef0 + 3) throw std::logic_error("video symbol without a code");
  return best;
}

void BigTree::count(uint16_t value) {
  ++symbols_;
  countChoice(value);
}

void BigTree::countChoice(uint16_t value) {
  ++counts_[choose(value)];
  pushCache(value);
}

void BigTree::buildCode() {
  if (empty()) return;
  haveCode_ = false;
  code_ = buildHuffman(counts_, 32);
  haveCode_ = true;
}

Status BigTree::finish() {
  if (empty()) return {};
  // Escape values must differ from every ordinary leaf. Prefer values whose two bytes
  // already occur among the leaves, so the byte trees need no extra leaves.
  std::array<bool, 256> loSeen{}, hiSeen{};
  for (uint32_t v = 0; v < kRef0; ++v)
    if (code_.has(v)) loSeen[v & 0xFF] = hiSeen[v >> 8] = true;
  unsigned found = 0;
  for (int pass = 0; pass < 2 && found < 3; ++pass) {
    for (uint32_t v = 0; v < kRef0 && found < 3; ++v) {
      if (code_.has(v)) continue;
      if (pass == 0 && !(loSeen[v & 0xFF] && hiSeen[v >> 8])) continue;
      if (std::find(escape_.begin(), escape_.begin() + found, v) != escape_.begin() + found)
        continue;
      escape_[found++] = uint16_t(v);
    }
  }
  if (found < 3)
    return Error{
        ErrorKind::TooLarge, Part::Trees, "too many distinct video symbols to code", 0, -1, -1};

  std::array<uint64_t, 256> loCounts{}, hiCounts{};
  for (const auto& node : code_.preorder) {
    if (!node.leaf) continue;
    uint16_t raw = node.symbol >= kRef0 ? escape_[node.symbol - kRef0] : uint16_t(node.symbol);
    ++loCounts[raw & 0xFF];
    ++hiCounts[raw >> 8];
  }
  lo_ = buildSmallTree(loCounts);
  hi_ = buildSmallTree(hiCounts);
  return {};
}

void BigTree::writeTree(BitWriter& out) const {
  if (empty()) {
    out.putBit(false);
    return;
  }
  out.putBit(true);
  writeSmallTree(out, lo_);
  writeSmallTree(out, hi_);
  for (uint16_t e : escape_) out.put(e, 16);
  for (const auto& node : code_.preorder) {
    if (!node.leaf) {
      out.putBit(true);
      continue;
    }
    out.putBit(false);
    uint16_t raw = node.symbol >= kRef0 ? escape_[node.symbol - kRef0] : uint16_t(node.symbol);
    lo_.write(out, raw & 0xFF);
    hi_.write(out, raw >> 8);
  }
  out.putBit(false);
}

uint32_t BigTree::sizeField() const {
  return empty() ? 0 : format::treeSizeField(uint32_t(code_.preorder.size()));
}

void BigTree::encode(BitWriter& out, uint16_t value) {
  code_.write(out, choose(value));
  pushCache(value);
}

}  // namespace smk::enc
