#include "smk/enc/small_tree.h"

#include "smk/enc/bit_writer.h"
#include "smk/limits.h"

namespace smk::enc {

HuffmanCode build_small_tree(const std::array<uint64_t, 256>& counts) {
  std::vector<uint64_t> c(counts.begin(), counts.end());
  bool any = false;
  for (uint64_t n : c) any = any || n > 0;
  if (!any) c[0] = 1;
  return build_huffman(c, limits::kMaxSmallTreeDepth);
}

void write_small_tree(BitWriter& out, const HuffmanCode& tree) {
  out.put_bit(true);
  for (const auto& node : tree.preorder) {
    if (node.leaf) {
      out.put_bit(false);
      out.put(node.symbol, 8);
    } else {
      out.put_bit(true);
    }
  }
  out.put_bit(false);
}

}  // namespace smk::enc
