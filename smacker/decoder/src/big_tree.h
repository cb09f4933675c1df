// The 16-bit video trees (MMAP, MCLR, FULL, TYPE) with their three-value cache. Leaves and
// cache slots are cells of one array: a leaf that is a cache reference is simply the cell of
// that slot, which decoding keeps up to date. Symbols are decoded through a table on the first
// bits of the code, with a node walk for longer codes.
#pragma once

#include <cstdint>
#include <vector>

#include "bit_reader.h"

namespace smk::detail {

class BigTree {
 public:
  // What a symbol decodes to when the bitstream ends inside its code (FFmpeg goes on with its
  // error code as the value; its low 16 bits end up in the picture).
  static constexpr uint32_t kExhausted = 0xBEBBB1B7u;

  // Reads a present tree (everything after its presence bit). `sizeField` is the tree's size
  // field from the header, which bounds the number of elements. Returns nullptr or the reason
  // the tree is invalid.
  const char* read(BitReader& br, uint32_t sizeField, uint64_t maxElements);
  // An absent tree: every symbol is 0 and takes no bits.
  void makeAbsent();

  // Called at the start of every frame's video data.
  void resetCache() {
    cells_[last_[0]] = 0;
    cells_[last_[1]] = 0;
    cells_[last_[2]] = 0;
  }

  // One symbol. False when the bitstream ends inside the code: the reader then stands at the
  // end and the cache is unchanged.
  bool decode(BitReader& br, uint32_t& value) {
    uint32_t e = table_[br.peek(tableBits_)];
    uint32_t len = e & kLenMask;
    uint32_t cell;
    if (len != kLong) {
      if (static_cast<int64_t>(len) > br.bitsLeft()) {
        br.toEnd();
        return false;
      }
      br.skip(len);
      cell = e >> kLenBits;
    } else if (!walk(br, e >> kLenBits, cell)) {
      return false;
    }
    uint32_t v = cells_[cell];
    if (v != cells_[last_[0]]) {
      cells_[last_[2]] = cells_[last_[1]];
      cells_[last_[1]] = cells_[last_[0]];
      cells_[last_[0]] = v;
    }
    value = v;
    return true;
  }

 private:
  static constexpr unsigned kMaxTableBits = 12;
  static constexpr unsigned kLenBits = 6;
  static constexpr uint32_t kLenMask = (1u << kLenBits) - 1;
  static constexpr uint32_t kLong = kLenMask;  // entry: node at depth tableBits_ to walk on from
  static constexpr uint32_t kInner = 0x80000000u;

  bool walk(BitReader& br, uint32_t node, uint32_t& cell);
  void buildTable(const std::vector<uint16_t>& depths, const std::vector<uint16_t>& codes, int maxDepth);

  std::vector<uint32_t> nodes_;  // pre-order: inner = kInner | offset of second child; leaf = cell
  std::vector<uint32_t> cells_;  // one per leaf, then the cache slots no leaf refers to
  std::vector<uint32_t> table_;  // cell << kLenBits | code length, or node << kLenBits | kLong
  uint32_t last_[3] = {0, 0, 0};
  unsigned tableBits_ = 0;
};

}  // namespace smk::detail
