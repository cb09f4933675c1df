// Huffman trees with 8-bit leaves (audio deltas, and the byte trees inside the video trees),
// decoded through a lookup table on the first bits with a node walk for longer codes. The
// storage is fixed, so reading a tree per audio chunk allocates nothing.
#pragma once

#include <array>
#include <cstdint>

#include "bit_reader.h"
#include "smk/limits.h"

namespace smk::detail {

class SmallTree {
 public:
  // Reads the nodes of a tree (the part after the presence bit, before the end bit). False
  // when it is deeper than 27 levels, has more than 256 leaves, or a leaf value lies past the
  // end of the bitstream.
  bool read(BitReader& br);

  // One symbol; past the end of the bitstream the code continues with zero bits.
  uint8_t decode(BitReader& br) const {
    uint16_t e = table_[br.peek(tableBits_)];
    unsigned len = e >> 8;
    if (len != kLong) {
      br.skip(len);
      return static_cast<uint8_t>(e);
    }
    unsigned n = 0;
    while (nodes_[n] & kInner) n = br.bit() ? n + (nodes_[n] & ~kInner) : n + 1;
    return static_cast<uint8_t>(nodes_[n]);
  }

 private:
  static constexpr unsigned kTableBits = 10;
  static constexpr unsigned kLong = 31;
  static constexpr uint16_t kInner = 0x8000;
  // A full tree has leaves - 1 inner nodes; a rejected one may hold a few more when it stops.
  static constexpr int kMaxNodes = 2 * limits::kMaxSmallTreeLeaves + limits::kMaxSmallTreeDepth + 2;

  struct Leaf {
    uint8_t value;
    uint8_t depth;
    uint32_t code;
  };

  void buildTable(int leaves, int maxDepth);

  std::array<uint16_t, kMaxNodes> nodes_{};  // inner: kInner | offset of second child; leaf: value
  std::array<Leaf, limits::kMaxSmallTreeLeaves> leaves_{};
  std::array<uint16_t, 1u << kTableBits> table_{};  // len << 8 | value, len kLong: walk nodes_
  unsigned tableBits_ = 0;
};

}  // namespace smk::detail
