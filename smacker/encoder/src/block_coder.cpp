#include "smk/enc/block_coder.h"

#include <algorithm>

namespace smk::enc {

using namespace format;

namespace {

int runLength(int index) { return int(kRunLengths[size_t(index)]); }

}  // namespace

BlockCoder::BlockCoder(const BlockCoderSettings& settings)
    : s_(settings), picture_(size_t(settings.width) * settings.height, 0) {}

uint32_t BlockCoder::error(const std::array<uint8_t, 16>& a,
                           const std::array<uint8_t, 16>& b) const {
  uint32_t e = 0;
  for (int i = 0; i < 16; ++i) e += dist_[a[i] * 256 + b[i]];
  return e;
}

namespace {

// Distinct colours of a block, most frequent first.
struct Colours {
  std::array<uint8_t, 16> c{};
  size_t count = 0;
  size_t size() const { return count; }
  uint8_t operator[](size_t i) const { return c[i]; }
  const uint8_t* begin() const { return c.data(); }
  const uint8_t* end() const { return c.data() + count; }
};

Colours coloursOf(const std::array<uint8_t, 16>& px) {
  Colours out;
  std::array<int, 16> n{};
  for (uint8_t p : px) {
    size_t k = 0;
    while (k < out.count && out.c[k] != p) ++k;
    if (k == out.count) out.c[out.count++] = p;
    ++n[k];
  }
  // Insertion sort by count, stable: at most 16 entries.
  for (size_t i = 1; i < out.count; ++i)
    for (size_t k = i; k > 0 && n[k] > n[k - 1]; --k) {
      std::swap(n[k], n[k - 1]);
      std::swap(out.c[k], out.c[k - 1]);
    }
  return out;
}

bool isDouble(const std::array<uint8_t, 16>& p) {
  for (int y = 0; y < 4; y += 2)
    for (int x = 0; x < 4; x += 2) {
      uint8_t v = p[y * 4 + x];
      if (p[y * 4 + x + 1] != v || p[y * 4 + x + 4] != v || p[y * 4 + x + 5] != v) return false;
    }
  return true;
}

bool isHalf(const std::array<uint8_t, 16>& p) {
  return std::equal(p.begin(), p.begin() + 4, p.begin() + 4) &&
         std::equal(p.begin() + 8, p.begin() + 12, p.begin() + 12);
}

}  // namespace

BlockCoder::Block BlockCoder::choose(const std::array<uint8_t, 16>& cur,
                                     const std::array<uint8_t, 16>& old, bool allowSkip) const {
  const uint32_t limit = s_.maxBlockError;
  const bool lossy = limit > 0;
  Block b{kFull, kNormal, 0, 0, 0, cur};
  if (allowSkip && (lossy ? error(cur, old) <= limit : cur == old)) {
    b.kind = kSkip;
    b.pix = old;
    return b;
  }
  const Colours colours = coloursOf(cur);
  auto makeSolid = [&](uint8_t c) {
    b.kind = kSolid;
    b.solid = c;
    b.pix.fill(c);
    return b;
  };
  auto makeMono = [&](uint8_t a, uint8_t c) {
    uint8_t one = std::max(a, c), zero = std::min(a, c);
    b.kind = kMono;
    b.mclr = uint16_t(one << 8 | zero);
    b.mask = 0;
    for (int i = 0; i < 16; ++i) {
      // Each pixel takes the nearer of the two colours (exact when it is one of them).
      bool isOne = cur[i] == one ||
                   (cur[i] != zero && dist_[cur[i] * 256 + one] < dist_[cur[i] * 256 + zero]);
      b.pix[i] = isOne ? one : zero;
      if (isOne) b.mask |= uint16_t(1u << i);
    }
    // Of the two equivalent forms, send the one whose mask has the top-left bit clear:
    // that halves the number of distinct masks, which costs more than the colour pairs.
    if (b.mask & 1) {
      b.mask = uint16_t(~b.mask);
      b.mclr = uint16_t(zero << 8 | one);
    }
    return b;
  };
  if (colours.size() == 1) return makeSolid(colours[0]);
  if (lossy) {
    uint32_t best = ~0u;
    uint8_t bestColour = 0;
    for (uint8_t c : colours) {
      uint32_t e = 0;
      for (uint8_t p : cur) e += dist_[p * 256 + c];
      if (e < best) best = e, bestColour = c;
    }
    if (best <= limit) return makeSolid(bestColour);
  }
  if (colours.size() == 2) return makeMono(colours[0], colours[1]);
  if (lossy) {
    const size_t n = std::min<size_t>(colours.size(), 6);
    uint32_t best = ~0u;
    uint8_t ba = 0, bc = 0;
    // The pair among the block's most frequent colours that fits best.
    for (size_t i = 0; i < n; ++i)
      for (size_t j = i + 1; j < n; ++j) {
        uint32_t e = error(cur, makeMono(colours[i], colours[j]).pix);
        if (e < best) best = e, ba = colours[i], bc = colours[j];
      }
    if (best <= limit) return makeMono(ba, bc);
    b.kind = kFull;
    b.pix = cur;
  }
  if (!s_.smk4) return b;
  if (isDouble(cur)) {
    b.mode = kDouble;
    return b;
  }
  if (isHalf(cur)) {
    b.mode = kHalf;
    return b;
  }
  if (lossy) {
    // DOUBLE: each 2x2 square takes the best of its own four pixels.
    std::array<uint8_t, 16> dbl{};
    for (int y = 0; y < 4; y += 2)
      for (int x = 0; x < 4; x += 2) {
        const int at[4] = {y * 4 + x, y * 4 + x + 1, y * 4 + x + 4, y * 4 + x + 5};
        uint32_t best = ~0u;
        uint8_t pick = 0;
        for (int c : at) {
          uint32_t e = 0;
          for (int k : at) e += dist_[cur[k] * 256 + cur[c]];
          if (e < best) best = e, pick = cur[c];
        }
        for (int k : at) dbl[k] = pick;
      }
    if (error(cur, dbl) <= limit) {
      b.mode = kDouble;
      b.pix = dbl;
      return b;
    }
    // HALF: rows 1 and 3 repeat rows 0 and 2 (either row of a pair costs the same error).
    std::array<uint8_t, 16> half{};
    for (int y = 0; y < 4; y += 2)
      for (int x = 0; x < 4; ++x) half[y * 4 + x] = half[y * 4 + x + 4] = cur[y * 4 + x];
    if (error(cur, half) <= limit) {
      b.mode = kHalf;
      b.pix = half;
      return b;
    }
  }
  return b;
}

FrameSymbols BlockCoder::codeFrame(std::span<const uint8_t> target, const Palette6& palette,
                                   bool allowSkip) {
  if (s_.maxBlockError > 0) {
    dist_.resize(65536);
    for (int a = 0; a < 256; ++a)
      for (int c = 0; c < 256; ++c) {
        int dr = expand6(palette[a].r) - expand6(palette[c].r);
        int dg = expand6(palette[a].g) - expand6(palette[c].g);
        int db = expand6(palette[a].b) - expand6(palette[c].b);
        dist_[a * 256 + c] = uint32_t(dr * dr + dg * dg + db * db);
      }
  }
  const unsigned bw = s_.width / 4, bh = s_.height / 4;
  std::vector<Block> blocks;
  blocks.reserve(size_t(bw) * bh);
  for (unsigned by = 0; by < bh; ++by)
    for (unsigned bx = 0; bx < bw; ++bx) {
      std::array<uint8_t, 16> cur, old;
      for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
          size_t at = size_t(by * 4 + y) * s_.width + bx * 4 + x;
          cur[y * 4 + x] = target[at];
          old[y * 4 + x] = picture_[at];
        }
      Block b = choose(cur, old, allowSkip);
      // An unchanged one-colour block continues a SOLID run of its colour rather than
      // breaking it with a one-block SKIP run.
      if (b.kind == kSkip && !blocks.empty() && blocks.back().kind == kSolid &&
          std::all_of(b.pix.begin(), b.pix.end(),
                      [&](uint8_t p) { return p == blocks.back().solid; }))
        b = Block{kSolid, kNormal, blocks.back().solid, 0, 0, b.pix};
      for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
          picture_[size_t(by * 4 + y) * s_.width + bx * 4 + x] = b.pix[y * 4 + x];
      blocks.push_back(b);
    }

  FrameSymbols out;
  for (const Block& b : blocks) ++out.blocksByKind[b.kind];
  auto sameRun = [](const Block& a, const Block& b) {
    return a.kind == b.kind && (a.kind != kSolid || a.solid == b.solid) &&
           (a.kind != kFull || a.mode == b.mode);
  };
  for (size_t i = 0; i < blocks.size();) {
    size_t end = i + 1;
    while (end < blocks.size() && sameRun(blocks[i], blocks[end])) ++end;
    while (i < end) {
      size_t left = end - i;
      int index = 0;
      const int last = int(kRunLengths.size()) - 1;
      if (end == blocks.size() && left > kFirstLongRun) {
        // The last run may overshoot the picture: one symbol covers it.
        index = kFirstLongRun;
        while (runLength(index) < int(left) && index < last) ++index;
      } else {
        for (index = last; runLength(index) > int(left); --index) {
        }
      }
      const size_t n = std::min<size_t>(left, size_t(runLength(index)));
      const Block& head = blocks[i];
      out.seq.push_back(
          typeSymbol(head.kind, unsigned(index), head.kind == kSolid ? head.solid : 0));
      if (head.kind == kFull && s_.smk4) out.seq.push_back(head.mode);
      for (size_t k = i; k < i + n; ++k) {
        const auto& p = blocks[k].pix;
        auto pair = [&](int y, int x) { return uint16_t(p[y * 4 + x] | p[y * 4 + x + 1] << 8); };
        switch (head.kind) {
          case kMono:
            out.seq.push_back(blocks[k].mclr);
            out.seq.push_back(blocks[k].mask);
            break;
          case kFull:
            if (head.mode == kDouble) {
              out.seq.push_back(uint16_t(p[0] | p[2] << 8));
              out.seq.push_back(uint16_t(p[8] | p[10] << 8));
            } else {
              for (int y = 0; y < 4; y += head.mode == kHalf ? 2 : 1) {
                out.seq.push_back(pair(y, 2));
                out.seq.push_back(pair(y, 0));
              }
            }
            break;
          default:
            break;
        }
      }
      i += n;
    }
  }
  return out;
}

}  // namespace smk::enc
