// The 16-bit video trees (MMAP, MCLR, FULL, TYPE) with their three-value cache. A leaf is
// either a fixed value or a reference to a cache slot. Symbols are decoded through two-level
// lookup tables (a root table on the first 12 bits, sub-tables of up to 6 bits for longer
// codes) whose entries carry the leaf itself.
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
  void resetCache() { cache_[0] = cache_[1] = cache_[2] = 0; }

  // One symbol. False when the bitstream ends inside the code: the reader then stands at the
  // end and the cache is unchanged.
  bool decode(BitReader& br, uint32_t& value) {
    uint32_t e = table_[br.peek(rootBits_)];
    if (!(e & kSubTable)) {
      const uint32_t len = e & kLenMask;
      if (static_cast<int64_t>(len) > br.bitsLeft()) {
        br.toEnd();
        return false;
      }
      br.skip(len);
    } else if (!decodeLong(br, e)) {
      return false;
    }
    const uint32_t slot = (e >> kSlotShift) & 3;
    const uint32_t v = slot ? cache_[slot - 1] : e >> kValueShift;
    if (v != cache_[0]) {
      cache_[2] = cache_[1];
      cache_[1] = cache_[0];
      cache_[0] = v;
    }
    value = v;
    return true;
  }

 private:
  // Lookup tables: a root table on the first rootBits_ bits of a code; codes that are longer
  // continue in sub-tables (appended to the same array) on the following bits.
  // A leaf entry is the leaf (value << kValueShift, or cache slot + 1 << kSlotShift) | code
  // length counted from the table's first bit. A sub-table entry is its offset << kOffsetShift
  // | kSubTable | its width.
  static constexpr unsigned kRootBits = 12;
  static constexpr unsigned kSubBits = 6;
  static constexpr uint32_t kSubTable = 1u << 5;
  static constexpr uint32_t kLenMask = kSubTable - 1;
  static constexpr unsigned kSlotShift = 6;
  static constexpr unsigned kOffsetShift = 6;
  static constexpr unsigned kValueShift = 15;  // bit 31 stays free for kInner
  static constexpr uint32_t kInner = 0x80000000u;

  bool decodeLong(BitReader& br, uint32_t& entry);
  void buildTables();

  // Pre-order: inner = kInner | offset of the second child; leaf = its table entry bits.
  std::vector<uint32_t> nodes_;
  std::vector<uint32_t> table_;
  uint32_t cache_[3] = {0, 0, 0};
  unsigned rootBits_ = 0;
};

}  // namespace smk::detail
