#include "smk/enc/small_tree.h"

#include "smk/enc/bit_writer.h"
#include "smk/limits.h"

namespace smk::enc {

HuffmanCode buildSmallTree(const std::array<uint64_t, 256>& counts) {
  std::vector<uint64_t> c(counts.begin(), counts.end());
  bool any = false;
  for (uint64_t n : c) any = any || n > 0;
  if (!any) c[0] = 1;
  return buildHuffman(c, limits::kMaxSmallTreeDepth);
}

void writeSmallTree(BitWriter& out, const HuffmanCode& tree) {
  out.putBit(true);
  for (const auto& node : tree.preorder) {
    if (node.leaf) {
      out.putBit(false);
      out.put(node.symbol, 8);
    } else {
      out.putBit(true);
    }
  }
  out.putBit(false);
}

}  // namespace smk::enc
