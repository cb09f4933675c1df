#include "video.h"

#include <algorithm>
#include <cstring>

#include "bit_reader.h"

namespace smk::detail {

using namespace format;

namespace {

// For a 4-bit mask, a 32-bit word whose byte k is 0xFF when bit k is set (pixel k of a row).
constexpr std::array<uint32_t, 16> makeMaskBytes() {
  std::array<uint32_t, 16> t{};
  for (uint32_t m = 0; m < 16; ++m)
    for (uint32_t k = 0; k < 4; ++k)
      if (m >> k & 1) t[m] |= 0xFFu << (8 * k);
  return t;
}
constexpr std::array<uint32_t, 16> kMaskBytes = makeMaskBytes();

inline void store32(uint8_t* p, uint32_t v) { std::memcpy(p, &v, 4); }
inline void store16(uint8_t* p, uint32_t v) {
  const uint16_t h = static_cast<uint16_t>(v);
  std::memcpy(p, &h, 2);
}

}  // namespace

const char* VideoDecoder::open(const Header& header, std::span<const uint8_t> treeBlock) {
  smk4_ = header.version == Version::Smk4;
  width_ = header.width;
  height_ = header.height;
  blocksWide_ = width_ / kBlockSize;
  blocksHigh_ = height_ / kBlockSize;

  BitReader br(treeBlock.data(), treeBlock.size());
  // Every element of a tree takes at least one bit of the block.
  const uint64_t maxElements =
      std::min<uint64_t>(uint64_t{treeBlock.size()} * 8, limits::kMaxBigTreeElements);
  int absent = 0;
  for (int t = 0; t < kVideoTrees; ++t) {
    if (br.bit()) {
      if (const char* why = trees_[t].read(br, header.treeSizeFields[t], maxElements)) return why;
    } else {
      trees_[t].makeAbsent();
      ++absent;
    }
  }
  if (absent == kVideoTrees) return "all four video trees are absent";
  if (br.bitsLeft() < 0) return "video trees run past the tree block";

  pixels_.assign(size_t{width_} * height_, 0);
  changedFirst_.resize(blocksHigh_);
  changedLast_.resize(blocksHigh_);
  rects_.reserve(blocksHigh_ + 1);
  reset();
  return nullptr;
}

void VideoDecoder::reset() {
  std::fill(pixels_.begin(), pixels_.end(), 0);
  clearChanged();
  allChanged_ = true;
}

void VideoDecoder::clearChanged() {
  std::fill(changedFirst_.begin(), changedFirst_.end(), 1);
  std::fill(changedLast_.begin(), changedLast_.end(), 0);
  allChanged_ = false;
}

void VideoDecoder::markChanged(uint32_t first, uint32_t end) {
  uint32_t row = first / blocksWide_;
  uint32_t col = first % blocksWide_;
  while (first < end) {
    uint32_t n = std::min(end - first, blocksWide_ - col);
    uint16_t lastCol = static_cast<uint16_t>(col + n - 1);
    if (changedFirst_[row] > changedLast_[row]) {
      changedFirst_[row] = static_cast<uint16_t>(col);
      changedLast_[row] = lastCol;
    } else {
      changedFirst_[row] = std::min<uint16_t>(changedFirst_[row], static_cast<uint16_t>(col));
      changedLast_[row] = std::max(changedLast_[row], lastCol);
    }
    first += n;
    col = 0;
    ++row;
  }
}

std::span<const Rect> VideoDecoder::takeChangedRects() {
  rects_.clear();
  if (allChanged_) {
    if (width_ && height_) rects_.push_back({0, 0, width_, height_});
  } else {
    for (uint32_t row = 0; row < blocksHigh_; ++row) {
      if (changedFirst_[row] > changedLast_[row]) continue;
      Rect r{changedFirst_[row] * 4u, row * 4, (changedLast_[row] - changedFirst_[row] + 1u) * 4,
             4};
      if (!rects_.empty()) {
        Rect& prev = rects_.back();
        if (prev.x == r.x && prev.width == r.width && prev.y + prev.height == r.y) {
          prev.height += 4;
          continue;
        }
      }
      rects_.push_back(r);
    }
  }
  clearChanged();
  return rects_;
}

const char* VideoDecoder::decode(const uint8_t* data, size_t size) {
  if (size == 0) return "frame without video data";
  for (BigTree& t : trees_) t.resetCache();
  BitReader br(data, size);
  BigTree& typeTree = trees_[kTypeTree];
  BigTree& mclrTree = trees_[kMclrTree];
  BigTree& mmapTree = trees_[kMmapTree];
  BigTree& fullTree = trees_[kFullTree];
  const uint32_t blocks = blocksWide_ * blocksHigh_;
  const size_t pitch = width_;
  uint32_t b = 0;
  uint32_t bx = 0;
  uint8_t* row = pixels_.data();  // top-left pixel of the current block row
  while (b < blocks) {
    uint32_t type;
    if (!typeTree.decode(br, type)) return "video data ends before the last block";
    const BlockKind kind = typeKind(type);
    const uint32_t run = std::min(kRunLengths[typeRunIndex(type)], blocks - b);
    FullMode mode = kNormal;
    if (kind == kFull && smk4_) {
      if (br.bitsLeft() < 1) return "video data ends before a FULL block's mode";
      if (br.bit())
        mode = kDouble;
      else if (br.bit())
        mode = kHalf;
    }
    if (kind != kSkip) markChanged(b, b + run);
    const uint32_t end = b + run;
    switch (kind) {
      case kSkip:
        bx = (bx + run) % blocksWide_;
        row = pixels_.data() + size_t{end / blocksWide_} * 4 * pitch;
        b = end;
        continue;
      case kSolid: {
        const uint32_t colour = typeColour(type) * 0x01010101u;
        for (; b < end; ++b) {
          uint8_t* out = row + bx * 4;
          store32(out, colour);
          store32(out + pitch, colour);
          store32(out + 2 * pitch, colour);
          store32(out + 3 * pitch, colour);
          if (++bx == blocksWide_) bx = 0, row += 4 * pitch;
        }
        break;
      }
      case kMono:
        for (; b < end; ++b) {
          uint32_t colours = BigTree::kExhausted, mask = BigTree::kExhausted;
          mclrTree.decode(br, colours);
          mmapTree.decode(br, mask);
          const uint32_t one = (colours >> 8 & 0xFF) * 0x01010101u;
          const uint32_t zero = (colours & 0xFF) * 0x01010101u;
          uint8_t* out = row + bx * 4;
          for (int y = 0; y < 4; ++y, out += pitch) {
            const uint32_t m = kMaskBytes[(mask >> (4 * y)) & 15];
            store32(out, (one & m) | (zero & ~m));
          }
          if (++bx == blocksWide_) bx = 0, row += 4 * pitch;
        }
        break;
      case kFull:
        for (; b < end; ++b) {
          uint8_t* out = row + bx * 4;
          uint32_t p = BigTree::kExhausted, q = BigTree::kExhausted;
          if (mode == kNormal) {
            for (int y = 0; y < 4; ++y, out += pitch) {
              p = q = BigTree::kExhausted;
              fullTree.decode(br, p);
              fullTree.decode(br, q);
              store16(out + 2, p);
              store16(out, q);
            }
          } else if (mode == kDouble) {
            for (int h = 0; h < 2; ++h) {
              p = BigTree::kExhausted;
              fullTree.decode(br, p);
              const uint32_t left = (p & 0xFF) * 0x0101u, right = (p >> 8 & 0xFF) * 0x0101u;
              const uint32_t word = left | right << 16;
              store32(out, word);
              store32(out + pitch, word);
              out += 2 * pitch;
            }
          } else {
            for (int h = 0; h < 2; ++h) {
              p = q = BigTree::kExhausted;
              fullTree.decode(br, p);
              fullTree.decode(br, q);
              const uint32_t word = (q & 0xFFFF) | (p & 0xFFFF) << 16;
              store32(out, word);
              store32(out + pitch, word);
              out += 2 * pitch;
            }
          }
          if (++bx == blocksWide_) bx = 0, row += 4 * pitch;
        }
        break;
    }
  }
  return nullptr;
}

}  // namespace smk::detail
