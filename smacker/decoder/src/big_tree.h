// The 16-bit video trees (MMAP, MCLR, FULL, TYPE) with their three-value cache. Leaves and
// cache slots are cells of one array: a leaf that is a cache reference is simply the cell of
// that slot, which decoding keeps up to date. Symbols are decoded through two-level lookup
// tables (a root table on the first 12 bits, sub-tables of up to 6 bits for longer codes).
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
    uint32_t e = table_[br.peek(rootBits_)];
    uint32_t cell;
    if (!(e & kSubTable)) {
      const uint32_t len = e & kLenMask;
      if (static_cast<int64_t>(len) > br.bitsLeft()) {
        br.toEnd();
        return false;
      }
      br.skip(len);
      cell = e >> kIndexShift;
    } else if (!decodeLong(br, e, cell)) {
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
  // Lookup tables: a root table on the first rootBits_ bits of a code; codes that are longer
  // continue in sub-tables (appended to the same array) on the following bits.
  // Entry: index << kIndexShift | flags | bits, where a leaf entry has the cell as index and
  // the code length (from the table's first bit) as bits; a sub-table entry has kSubTable,
  // the sub-table's offset as index and its width as bits.
  static constexpr unsigned kRootBits = 12;
  static constexpr unsigned kSubBits = 6;
  static constexpr unsigned kIndexShift = 6;
  static constexpr uint32_t kSubTable = 1u << 5;
  static constexpr uint32_t kLenMask = kSubTable - 1;
  static constexpr uint32_t kInner = 0x80000000u;

  bool decodeLong(BitReader& br, uint32_t entry, uint32_t& cell);
  void buildTables();

  std::vector<uint32_t> nodes_;  // pre-order: inner = kInner | offset of second child; leaf = cell
  std::vector<uint32_t> cells_;  // one per leaf, then the cache slots no leaf refers to
  std::vector<uint32_t> table_;
  uint32_t last_[3] = {0, 0, 0};
  unsigned rootBits_ = 0;
};

}  // namespace smk::detail
