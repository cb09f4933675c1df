#include "big_tree.h"

#include <array>

#include "small_tree.h"
#include "smk/limits.h"

namespace smk::detail {

namespace {

// A byte tree inside a video tree: absent (every byte 0, no bits), or a small tree.
struct ByteTree {
  bool present = false;
  SmallTree tree;

  bool read(BitReader& br) {
    present = br.bit();
    if (!present) return true;
    if (!tree.read(br)) return false;
    br.skip(1);  // end bit
    return true;
  }
  uint32_t decode(BitReader& br) const { return present ? tree.decode(br) : 0; }
};

}  // namespace

const char* BigTree::read(BitReader& br, uint32_t sizeField, uint64_t maxElements) {
  if (sizeField > limits::kMaxBigTreeSizeField) return "tree size field too large";
  // The size field counts 4 bytes per element (three of them are the cache slots).
  uint64_t limit = (uint64_t{sizeField} + 3) / 4;
  if (limit > maxElements) limit = maxElements;

  ByteTree lo, hi;
  if (!lo.read(br) || !hi.read(br)) return "invalid byte tree inside a video tree";
  uint32_t escapes[3];
  for (uint32_t& e : escapes) e = br.read(16);

  nodes_.clear();
  cells_.clear();
  last_[0] = last_[1] = last_[2] = UINT32_MAX;
  std::vector<uint16_t> depths, codes;  // depth and first code bits of every element

  struct Pending {
    uint32_t node;
    uint16_t depth;
    bool inSecond;
    uint16_t code;
  };
  std::vector<Pending> stack;
  stack.reserve(limits::kMaxBigTreeDepth + 1);
  int depth = 0;
  uint32_t code = 0;
  int maxDepth = 0;
  for (;;) {
    if (depth > limits::kMaxBigTreeDepth) return "video tree nested too deep";
    if (nodes_.size() >= limit) return "video tree larger than its size field allows";
    if (br.bitsLeft() <= 0) return "video tree runs past the tree block";
    const uint32_t n = static_cast<uint32_t>(nodes_.size());
    depths.push_back(static_cast<uint16_t>(depth));
    codes.push_back(static_cast<uint16_t>(code));
    if (br.bit()) {
      nodes_.push_back(kInner);
      stack.push_back({n, static_cast<uint16_t>(depth), false, static_cast<uint16_t>(code)});
      ++depth;
      continue;
    }
    uint32_t raw = lo.decode(br);
    raw |= hi.decode(br) << 8;
    const uint32_t cell = static_cast<uint32_t>(cells_.size());
    int slot = raw == escapes[0] ? 0 : raw == escapes[1] ? 1 : raw == escapes[2] ? 2 : -1;
    if (slot >= 0) {
      // The last leaf with an escape value refers to the slot; earlier ones stay fixed at 0.
      last_[slot] = cell;
      raw = 0;
    }
    cells_.push_back(raw);
    nodes_.push_back(cell);
    if (depth > maxDepth) maxDepth = depth;
    for (;;) {
      if (stack.empty()) {
        br.skip(1);  // end bit
        for (uint32_t& l : last_) {
          if (l == UINT32_MAX) {
            l = static_cast<uint32_t>(cells_.size());
            cells_.push_back(0);
          }
        }
        buildTable(depths, codes, maxDepth);
        return nullptr;
      }
      Pending& p = stack.back();
      if (!p.inSecond) {
        p.inSecond = true;
        nodes_[p.node] = kInner | (static_cast<uint32_t>(nodes_.size()) - p.node);
        depth = p.depth + 1;
        code = p.depth < 16 ? (p.code | (1u << p.depth)) : p.code;
        break;
      }
      stack.pop_back();
    }
  }
}

void BigTree::makeAbsent() {
  nodes_.assign(1, 0);
  cells_.assign(2, 0);
  last_[0] = last_[1] = last_[2] = 1;
  tableBits_ = 0;
  table_.assign(1, 0);
}

void BigTree::buildTable(const std::vector<uint16_t>& depths, const std::vector<uint16_t>& codes, int maxDepth) {
  tableBits_ = maxDepth < static_cast<int>(kMaxTableBits) ? static_cast<unsigned>(maxDepth) : kMaxTableBits;
  const uint32_t size = 1u << tableBits_;
  table_.assign(size, 0);
  for (uint32_t i = 0; i < nodes_.size(); ++i) {
    const unsigned d = depths[i];
    const bool inner = (nodes_[i] & kInner) != 0;
    if (!inner && d <= tableBits_) {
      const uint32_t e = nodes_[i] << kLenBits | d;
      for (uint32_t x = codes[i]; x < size; x += 1u << d) table_[x] = e;
    } else if (inner && d == tableBits_) {
      table_[codes[i]] = i << kLenBits | kLong;
    }
  }
}

bool BigTree::walk(BitReader& br, uint32_t node, uint32_t& cell) {
  if (static_cast<int64_t>(tableBits_) > br.bitsLeft()) {
    br.toEnd();
    return false;
  }
  br.skip(tableBits_);
  while (nodes_[node] & kInner) {
    if (br.bitsLeft() < 1) return false;
    node = br.bit() ? node + (nodes_[node] & ~kInner) : node + 1;
  }
  cell = nodes_[node];
  return true;
}

}  // namespace smk::detail
