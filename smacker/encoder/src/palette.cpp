#include "smk/enc/palette.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "smk/format.h"

namespace smk::enc {

using format::expand6;

uint8_t nearest6(uint8_t v) {
  int best = 0, bestDistance = 256;
  // The expansion is monotonic, so only the two 6-bit neighbours of v/4 can be nearest.
  for (int c = std::max(0, v / 4 - 1); c <= std::min(63, v / 4 + 1); ++c) {
    int d = std::abs(int(expand6(uint8_t(c))) - int(v));
    if (d < bestDistance) best = c, bestDistance = d;
  }
  return uint8_t(best);
}

bool exact6(uint8_t v) { return expand6(nearest6(v)) == v; }

std::vector<uint8_t> paletteChunk(const Palette6& oldPalette, const Palette6& newPalette) {
  constexpr int n = format::kPaletteEntries;
  // match[i][o]: how many entries from new[i] equal old[o], old[o+1], ...
  static thread_local std::array<std::array<uint16_t, n + 1>, n + 1> match;
  for (int o = 0; o <= n; ++o) match[n][o] = 0;
  for (int i = n - 1; i >= 0; --i) {
    match[i][n] = 0;
    for (int o = n - 1; o >= 0; --o)
      match[i][o] = newPalette[i] == oldPalette[o] ? uint16_t(match[i + 1][o + 1] + 1) : 0;
  }

  enum Op : uint8_t { kKeep, kCopy, kLiteral };
  struct Step {
    int cost;
    Op op;
    uint16_t len;
    uint8_t from;
    int prev;
  };
  std::array<Step, n + 1> best;
  best.fill({std::numeric_limits<int>::max(), kLiteral, 0, 0, -1});
  best[0].cost = 0;
  auto relax = [&](int i, int j, int cost, Op op, int from) {
    if (best[i].cost + cost < best[j].cost)
      best[j] = {best[i].cost + cost, op, uint16_t(j - i), uint8_t(from), i};
  };
  for (int i = 0; i < n; ++i) {
    int keep = match[i][i];
    for (int k = 1; k <= std::min<int>(keep, format::kPaletteKeepMax); ++k)
      relax(i, i + k, 1, kKeep, 0);
    int copyLen = 0, copyFrom = 0;
    for (int o = 0; o < n; ++o)
      if (std::min<int>(match[i][o], format::kPaletteCopyMax) > copyLen)
        copyLen = std::min<int>(match[i][o], format::kPaletteCopyMax), copyFrom = o;
    // Any shorter copy from the same source is valid too (a prefix of the match).
    for (int k = 1; k <= copyLen; ++k) relax(i, i + k, 2, kCopy, copyFrom);
    relax(i, i + 1, 3, kLiteral, 0);
  }

  std::vector<int> path;
  for (int j = n; j > 0; j = best[j].prev) path.push_back(j);
  std::vector<uint8_t> out{0};
  for (auto it = path.rbegin(); it != path.rend(); ++it) {
    const Step& s = best[*it];
    int start = s.prev;
    switch (s.op) {
      case kKeep:
        out.push_back(uint8_t(format::kPaletteKeep | (s.len - 1)));
        break;
      case kCopy:
        out.push_back(uint8_t(format::kPaletteCopy | (s.len - 1)));
        out.push_back(s.from);
        break;
      case kLiteral:
        out.push_back(newPalette[start].r);
        out.push_back(newPalette[start].g);
        out.push_back(newPalette[start].b);
        break;
    }
  }
  while (out.size() % format::kPaletteUnit) out.push_back(0);
  out[0] = uint8_t(out.size() / format::kPaletteUnit);
  return out;
}

}  // namespace smk::enc
