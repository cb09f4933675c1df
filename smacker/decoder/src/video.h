// The video part of a movie: the four trees, the persistent picture of palette indices, and
// the bookkeeping of which areas changed.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "big_tree.h"
#include "smk/format.h"
#include "smk/header.h"
#include "smk/movie.h"

namespace smk::detail {

class VideoDecoder {
 public:
  // Reads the tree block and allocates the picture. Returns nullptr or why the trees are bad.
  const char* open(const Header& header, std::span<const uint8_t> treeBlock);

  // All-zero picture; everything counts as changed.
  void reset();

  // Decodes one frame's video data (followed by BitReader::kPadding zero bytes) into the
  // picture. Returns nullptr, or why the frame has no picture (blocks decoded before the
  // problem stay in the picture, as with FFmpeg).
  const char* decode(const uint8_t* data, size_t size);

  Picture picture() const { return {pixels_.data(), width_, height_, width_}; }

  // The areas changed since the last call, as rectangles; clears the record.
  std::span<const Rect> takeChangedRects();

 private:
  void markChanged(uint32_t firstBlock, uint32_t endBlock);
  void clearChanged();

  bool smk4_ = false;
  uint32_t width_ = 0, height_ = 0;
  uint32_t blocksWide_ = 0, blocksHigh_ = 0;
  std::array<BigTree, format::kVideoTrees> trees_;  // in format::VideoTree order
  std::vector<uint8_t> pixels_;
  // Per block row, the first and last changed block column (first > last: unchanged).
  std::vector<uint16_t> changedFirst_, changedLast_;
  bool allChanged_ = true;
  std::vector<Rect> rects_;
};

}  // namespace smk::detail
