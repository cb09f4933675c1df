#include "smk/enc/huffman.h"

#include <gtest/gtest.h>

using namespace smk::enc;

namespace {

// Sum of 2^-length over the leaves: exactly 1 for a complete prefix code.
double kraft(const HuffmanCode& c) {
  double sum = 0;
  for (size_t s = 0; s < c.present.size(); ++s)
    if (c.present[s]) sum += 1.0 / double(uint64_t(1) << c.length[s]);
  return sum;
}

TEST(Huffman, CodesAreCompleteAndRespectTheDepthLimit) {
  std::vector<uint64_t> fibonacci(45);
  fibonacci[0] = fibonacci[1] = 1;
  for (size_t i = 2; i < fibonacci.size(); ++i) fibonacci[i] = fibonacci[i - 1] + fibonacci[i - 2];
  std::vector<uint64_t> sparse(300, 0);
  sparse[7] = 5;
  sparse[299] = 1;
  sparse[100] = 1000;

  struct Case {
    std::vector<uint64_t> counts;
    unsigned limit;
  } cases[] = {
      {fibonacci, 27},  // unlimited, this would need 44 levels
      {fibonacci, 32},
      {sparse, 27},
      {std::vector<uint64_t>(256, 3), 27},
  };
  for (const auto& c : cases) {
    HuffmanCode code = buildHuffman(c.counts, c.limit);
    unsigned deepest = 0;
    for (size_t s = 0; s < c.counts.size(); ++s) {
      EXPECT_EQ(code.present[s], c.counts[s] > 0) << s;
      if (code.present[s]) deepest = std::max<unsigned>(deepest, code.length[s]);
    }
    EXPECT_LE(deepest, c.limit);
    EXPECT_DOUBLE_EQ(kraft(code), 1.0);
  }
}

TEST(Huffman, ASingleSymbolCostsNoBits) {
  std::vector<uint64_t> counts(10, 0);
  counts[4] = 99;
  HuffmanCode code = buildHuffman(counts, 27);
  ASSERT_EQ(code.preorder.size(), 1u);
  EXPECT_TRUE(code.preorder[0].leaf);
  EXPECT_EQ(code.length[4], 0);
}

}  // namespace
