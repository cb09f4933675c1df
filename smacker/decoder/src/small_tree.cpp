#include "small_tree.h"

namespace smk::detail {

bool SmallTree::read(BitReader& br) {
  struct Pending {
    uint16_t node;
    uint8_t depth;
    bool inSecond;
    uint32_t code;
  };
  std::array<Pending, limits::kMaxSmallTreeDepth + 1> stack;
  int sp = 0;
  int depth = 0;
  uint32_t code = 0;
  int n = 0;
  int leaves = 0;
  int maxDepth = 0;
  for (;;) {
    if (depth > limits::kMaxSmallTreeDepth) return false;
    if (br.bit()) {
      nodes_[n] = kInner;
      stack[sp++] = {static_cast<uint16_t>(n), static_cast<uint8_t>(depth), false, code};
      ++n;
      ++depth;
      continue;
    }
    if (leaves == limits::kMaxSmallTreeLeaves || br.bitsLeft() < 8) return false;
    uint8_t value = static_cast<uint8_t>(br.read(8));
    nodes_[n++] = value;
    leaves_[leaves++] = {value, static_cast<uint8_t>(depth), code};
    if (depth > maxDepth) maxDepth = depth;
    // Climb to the innermost node whose second subtree has not been read yet.
    for (;;) {
      if (sp == 0) {
        buildTable(leaves, maxDepth);
        return true;
      }
      Pending& p = stack[sp - 1];
      if (!p.inSecond) {
        p.inSecond = true;
        nodes_[p.node] = static_cast<uint16_t>(kInner | (n - p.node));
        depth = p.depth + 1;
        code = p.code | (1u << p.depth);
        break;
      }
      --sp;
    }
  }
}

void SmallTree::buildTable(int leaves, int maxDepth) {
  tableBits_ =
      maxDepth < static_cast<int>(kTableBits) ? static_cast<unsigned>(maxDepth) : kTableBits;
  const uint32_t size = 1u << tableBits_;
  for (int i = 0; i < leaves; ++i) {
    const Leaf& l = leaves_[i];
    if (l.depth <= tableBits_) {
      uint16_t e = static_cast<uint16_t>(l.depth << 8 | l.value);
      for (uint32_t x = l.code; x < size; x += 1u << l.depth) table_[x] = e;
    } else {
      table_[l.code & (size - 1)] = static_cast<uint16_t>(kLong << 8);
    }
  }
}

}  // namespace smk::detail
