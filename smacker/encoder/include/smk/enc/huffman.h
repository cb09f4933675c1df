#pragma once
// Huffman code construction from symbol counts, with a depth limit.
#include <cstdint>
#include <vector>

namespace smk::enc {

class BitWriter;

struct HuffmanCode {
  // Tree in pre-order: an inner node is followed by its bit-0 subtree, then its bit-1 subtree.
  struct Node {
    bool leaf;
    uint32_t symbol;  // leaves only
  };
  std::vector<Node> preorder;
  // Per symbol (index = symbol): code bits, first branch in bit 0; length 0 with
  // `present` false means the symbol has no leaf.
  std::vector<uint32_t> bits;
  std::vector<uint8_t> length;
  std::vector<bool> present;

  bool has(uint32_t symbol) const { return symbol < present.size() && present[symbol]; }
  void write(BitWriter& out, uint32_t symbol) const;
};

// Builds a code for every symbol with a non-zero count (at least one is required). A single
// symbol gets a root leaf, which costs zero bits. No code is longer than `maxDepth` (<= 32).
HuffmanCode buildHuffman(const std::vector<uint64_t>& counts, unsigned maxDepth);

}  // namespace smk::enc
