#include "big_tree.h"

#include <algorithm>
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
  uint32_t reference[3] = {UINT32_MAX, UINT32_MAX, UINT32_MAX};  // node of each slot's leaf
  struct Pending {
    uint32_t node;
    uint16_t depth;
    bool inSecond;
  };
  std::vector<Pending> stack;
  stack.reserve(limits::kMaxBigTreeDepth + 1);
  int depth = 0;
  for (;;) {
    if (depth > limits::kMaxBigTreeDepth) return "video tree nested too deep";
    if (nodes_.size() >= limit) return "video tree larger than its size field allows";
    if (br.bitsLeft() <= 0) return "video tree runs past the tree block";
    const uint32_t n = static_cast<uint32_t>(nodes_.size());
    if (br.bit()) {
      nodes_.push_back(kInner);
      stack.push_back({n, static_cast<uint16_t>(depth), false});
      ++depth;
      continue;
    }
    uint32_t raw = lo.decode(br);
    raw |= hi.decode(br) << 8;
    const int slot = raw == escapes[0] ? 0 : raw == escapes[1] ? 1 : raw == escapes[2] ? 2 : -1;
    if (slot >= 0) {
      // The last leaf with an escape value refers to the slot; earlier ones become fixed 0s.
      if (reference[slot] != UINT32_MAX) nodes_[reference[slot]] = 0;
      reference[slot] = n;
      nodes_.push_back(static_cast<uint32_t>(slot + 1) << kSlotShift);
    } else {
      nodes_.push_back(raw << kValueShift);
    }
    for (;;) {
      if (stack.empty()) {
        br.skip(1);  // end bit
        buildTables();
        return nullptr;
      }
      Pending& p = stack.back();
      if (!p.inSecond) {
        p.inSecond = true;
        nodes_[p.node] = kInner | (static_cast<uint32_t>(nodes_.size()) - p.node);
        depth = p.depth + 1;
        break;
      }
      stack.pop_back();
    }
  }
}

void BigTree::makeAbsent() {
  nodes_.assign(1, 0);  // a single leaf of value 0
  rootBits_ = 0;
  table_.assign(1, 0);
}

void BigTree::buildTables() {
  const uint32_t n = static_cast<uint32_t>(nodes_.size());
  // Height of every subtree, children before parents (they follow their parent in pre-order).
  std::vector<uint16_t> height(n, 0);
  for (uint32_t i = n; i-- > 0;)
    if (nodes_[i] & kInner)
      height[i] =
          static_cast<uint16_t>(1 + std::max(height[i + 1], height[i + (nodes_[i] & ~kInner)]));

  table_.clear();
  struct Level {
    uint32_t root;    // subtree the table decodes
    uint32_t offset;  // where its table starts
    unsigned bits;    // its width
  };
  std::vector<Level> pending;
  auto addTable = [&](uint32_t root, unsigned maxBits) {
    const unsigned bits = std::min<unsigned>(height[root], maxBits);
    const uint32_t offset = static_cast<uint32_t>(table_.size());
    table_.resize(table_.size() + (size_t{1} << bits), 0);
    pending.push_back({root, offset, bits});
    return Level{root, offset, bits};
  };
  rootBits_ = addTable(0, kRootBits).bits;

  struct Item {
    uint32_t node;
    unsigned depth;
    uint32_t code;
  };
  std::vector<Item> stack;
  while (!pending.empty()) {
    const Level level = pending.back();
    pending.pop_back();
    const uint32_t size = 1u << level.bits;
    stack.assign(1, {level.root, 0, 0});
    while (!stack.empty()) {
      const Item it = stack.back();
      stack.pop_back();
      const uint32_t node = nodes_[it.node];
      if (!(node & kInner)) {
        const uint32_t e = node | it.depth;
        for (uint32_t x = it.code; x < size; x += 1u << it.depth) table_[level.offset + x] = e;
      } else if (it.depth == level.bits) {
        const Level sub = addTable(it.node, kSubBits);
        table_[level.offset + it.code] = sub.offset << kOffsetShift | kSubTable | sub.bits;
      } else {
        stack.push_back({it.node + 1, it.depth + 1, it.code});
        stack.push_back({it.node + (node & ~kInner), it.depth + 1, it.code | 1u << it.depth});
      }
    }
  }
}

bool BigTree::decodeLong(BitReader& br, uint32_t& e) {
  // Past the end the tables see zero bits; the code is valid if it ends within the data.
  const int64_t left = br.bitsLeft();
  int64_t used = rootBits_;
  br.skip(rootBits_);
  for (;;) {
    const unsigned bits = e & kLenMask;
    e = table_[(e >> kOffsetShift) + br.peek(bits)];
    if (!(e & kSubTable)) {
      used += e & kLenMask;
      if (used > left) {
        br.toEnd();
        return false;
      }
      br.skip(e & kLenMask);
      return true;
    }
    used += bits;
    br.skip(bits);
  }
}

}  // namespace smk::detail
