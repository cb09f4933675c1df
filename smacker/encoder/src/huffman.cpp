#include "smk/enc/huffman.h"

#include <algorithm>
#include <functional>
#include <queue>
#include <stdexcept>

#include "smk/enc/bit_writer.h"

namespace smk::enc {

namespace {

struct Built {
  std::vector<int> left, right;  // -1 for leaves
  std::vector<uint32_t> symbol;
  int root = -1;
};

Built buildTree(const std::vector<std::pair<uint32_t, uint64_t>>& used) {
  Built t;
  using Item = std::pair<uint64_t, int>;  // (weight, node); ties go to the older node
  std::priority_queue<Item, std::vector<Item>, std::greater<Item>> heap;
  for (const auto& [sym, count] : used) {
    t.left.push_back(-1);
    t.right.push_back(-1);
    t.symbol.push_back(sym);
    heap.emplace(count, int(t.symbol.size() - 1));
  }
  while (heap.size() > 1) {
    auto [wa, a] = heap.top();
    heap.pop();
    auto [wb, b] = heap.top();
    heap.pop();
    t.left.push_back(a);
    t.right.push_back(b);
    t.symbol.push_back(0);
    heap.emplace(wa + wb, int(t.symbol.size() - 1));
  }
  t.root = heap.top().second;
  return t;
}

unsigned depthOf(const Built& t, int node) {
  if (t.left[node] < 0) return 0;
  return 1 + std::max(depthOf(t, t.left[node]), depthOf(t, t.right[node]));
}

}  // namespace

HuffmanCode buildHuffman(const std::vector<uint64_t>& counts, unsigned maxDepth) {
  if (maxDepth > 32) throw std::logic_error("Huffman depth limit above 32");
  std::vector<std::pair<uint32_t, uint64_t>> used;
  for (uint32_t s = 0; s < counts.size(); ++s)
    if (counts[s] > 0) used.emplace_back(s, counts[s]);
  if (used.empty()) throw std::logic_error("Huffman code without symbols");
  if (used.size() > (uint64_t(1) << maxDepth))
    throw std::logic_error("too many symbols for the depth limit");

  Built t = buildTree(used);
  // Flatten the counts until the tree is shallow enough; each halving shortens deep chains.
  while (depthOf(t, t.root) > maxDepth) {
    for (auto& u : used) u.second = (u.second >> 1) | 1;
    t = buildTree(used);
  }

  HuffmanCode code;
  code.bits.assign(counts.size(), 0);
  code.length.assign(counts.size(), 0);
  code.present.assign(counts.size(), false);
  // Iterative pre-order walk carrying the code prefix.
  struct Todo {
    int node;
    uint32_t bits;
    uint8_t len;
  };
  std::vector<Todo> stack{{t.root, 0, 0}};
  while (!stack.empty()) {
    Todo d = stack.back();
    stack.pop_back();
    if (t.left[d.node] < 0) {
      code.preorder.push_back({true, t.symbol[d.node]});
      code.bits[t.symbol[d.node]] = d.bits;
      code.length[t.symbol[d.node]] = d.len;
      code.present[t.symbol[d.node]] = true;
    } else {
      code.preorder.push_back({false, 0});
      stack.push_back({t.right[d.node], d.bits | (1u << d.len), uint8_t(d.len + 1)});
      stack.push_back({t.left[d.node], d.bits, uint8_t(d.len + 1)});
    }
  }
  return code;
}

void HuffmanCode::write(BitWriter& out, uint32_t symbol) const {
  out.put(bits[symbol], length[symbol]);
}

}  // namespace smk::enc
