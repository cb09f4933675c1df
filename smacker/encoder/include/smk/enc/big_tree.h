#pragma once
// One of the four video trees (MMAP, MCLR, FULL, TYPE): 16-bit symbols with the decoder's
// three-slot cache of recent values.
//
// Usage: feed every symbol of the movie through count() (with startFrame() at each frame)
// and call buildCode(); for a better code, replay the symbols once or twice more between
// startRound() and buildCode(); then call finish() and replay them through encode().
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "smk/enc/huffman.h"
#include "smk/error.h"

namespace smk::enc {

class BitWriter;

class BigTree {
 public:
  BigTree();

  void startFrame() { cache_ = {0, 0, 0}; }
  void count(uint16_t value);
  bool empty() const { return symbols_ == 0; }

  // Each symbol is counted as the cheaper of its ordinary leaf and a cache slot holding
  // it, under the code of the previous round (the first round prefers cache slots).
  void startRound() { std::fill(counts_.begin(), counts_.end(), 0); }
  void buildCode();
  // Picks the escape values and the byte trees; fails when the symbols leave no three 16-bit
  // values free for the escapes.
  Status finish();

  void writeTree(BitWriter& out) const;  // present bit and, if present, the tree
  uint32_t sizeField() const;            // the header's allocation hint
  void encode(BitWriter& out, uint16_t value);

  void countChoice(uint16_t value);  // a later round: count without adding to the total

 private:
  static constexpr uint32_t kRef0 = 65536;  // symbols 65536..65538: cache slots 0..2

  uint32_t choose(uint16_t value) const;
  void pushCache(uint16_t value);

  std::array<uint16_t, 3> cache_{};
  std::vector<uint64_t> counts_;
  uint64_t symbols_ = 0;
  bool haveCode_ = false;
  HuffmanCode code_;
  HuffmanCode lo_, hi_;
  std::array<uint16_t, 3> escape_{};
};

}  // namespace smk::enc
