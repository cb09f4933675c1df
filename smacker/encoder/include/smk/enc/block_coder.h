#pragma once
// Turns one picture into the frame's video symbols: a kind per 4x4 block (SKIP, SOLID, MONO,
// FULL and, for SMK4, the FULL sub-modes), grouped into runs.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "smk/enc/palette.h"
#include "smk/format.h"

namespace smk::enc {

struct BlockCoderSettings {
  unsigned width = 0, height = 0;
  bool smk4 = false;
  // Largest squared RGB error a block may have against the target (0 = lossless).
  uint32_t maxBlockError = 0;
};

// The symbols of one frame, in the order they are written. A TYPE symbol is followed, for
// an SMK4 FULL run, by its FullMode, then by the block data of each block in the run: MCLR
// and MMAP for MONO, 8/4/2 FULL symbols for FULL.
struct FrameSymbols {
  std::vector<uint16_t> seq;
  std::array<size_t, 4> blocksByKind{};  // indexed by format::BlockKind
};

class BlockCoder {
 public:
  // The picture holds at least one 4x4 block (MovieEncoder checks the settings).
  explicit BlockCoder(const BlockCoderSettings& settings);

  // Codes `target` (exactly width*height palette indices) against the picture the decoder holds,
  // which is updated to what the decoder will show. `allowSkip` false forces every block
  // to be written (first frame).
  FrameSymbols codeFrame(std::span<const uint8_t> target, const Palette6& palette, bool allowSkip);

  std::span<const uint8_t> picture() const { return picture_; }

 private:
  struct Block {
    format::BlockKind kind;
    format::FullMode mode;
    uint8_t solid;
    uint16_t mclr, mask;
    std::array<uint8_t, 16> pix;
  };
  Block choose(const std::array<uint8_t, 16>& cur, const std::array<uint8_t, 16>& old,
               bool allowSkip) const;
  uint32_t error(const std::array<uint8_t, 16>& a, const std::array<uint8_t, 16>& b) const;

  BlockCoderSettings s_;
  std::vector<uint8_t> picture_;
  std::vector<uint32_t> dist_;  // 256 x 256 squared RGB distances of the current palette
};

}  // namespace smk::enc
