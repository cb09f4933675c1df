#include "test_movie.h"

#include <algorithm>

#include "base/little_endian.h"
#include "smk/format.h"

namespace smk::test {

void BitWriter::bit(int b) { bits_.push_back(b ? 1 : 0); }

void BitWriter::bits(const std::string& s) {
  for (char c : s) bit(c == '1');
}

void BitWriter::field(uint32_t value, int n) {
  for (int i = 0; i < n; ++i) bit((value >> i) & 1);
}

std::vector<uint8_t> BitWriter::bytes() const {
  std::vector<uint8_t> out((bits_.size() + 7) / 8, 0);
  for (size_t i = 0; i < bits_.size(); ++i)
    if (bits_[i]) out[i / 8] |= static_cast<uint8_t>(1u << (i % 8));
  return out;
}

std::vector<uint8_t> TestMovie::bytes() const {
  std::vector<std::vector<uint8_t>> chunks;
  std::vector<uint8_t> types;
  for (const TestFrame& f : frames) {
    std::vector<uint8_t> c = f.palette;
    uint8_t type = f.palette.empty() ? 0 : format::kFrameTypePalette;
    for (const auto& [track, payload] : f.audio) {
      type |= format::frameTypeAudio(track);
      auto o = f.audioLengthOverride.find(track);
      base::appendLe32(c, o != f.audioLengthOverride.end()
                              ? o->second
                              : static_cast<uint32_t>(payload.size() + 4));
      c.insert(c.end(), payload.begin(), payload.end());
    }
    c.insert(c.end(), f.video.begin(), f.video.end());
    while (c.size() % 4) c.push_back(0);
    chunks.push_back(c);
    types.push_back(type);
  }
  using namespace format;
  std::vector<uint8_t> out(kHeaderSize, 0);
  std::copy_n(signature.begin(), std::min<size_t>(signature.size(), 4), out.begin());
  base::writeLe32(&out[kWidthOffset], width);
  base::writeLe32(&out[kHeightOffset], height);
  base::writeLe32(
      &out[kFramesOffset],
      framesOverride.value_or(static_cast<uint32_t>(frames.size()) - (flags & kFlagRingFrame)));
  base::writeLe32(&out[kFrameRateOffset], static_cast<uint32_t>(frameRate));
  base::writeLe32(&out[kFlagsOffset], flags);
  for (int k = 0; k < limits::kAudioTracks; ++k) {
    base::writeLe32(&out[audioSizeOffset(k)], audioSize[k]);
    base::writeLe32(&out[audioRateOffset(k)], audioRate[k]);
  }
  base::writeLe32(&out[kTreesSizeOffset],
                  treesSizeOverride.value_or(static_cast<uint32_t>(trees.size())));
  for (int t = 0; t < kVideoTrees; ++t)
    base::writeLe32(&out[treeSizeOffset(static_cast<VideoTree>(t))], treeSizes[t]);
  for (size_t i = 0; i < frames.size(); ++i)
    base::appendLe32(out, frames[i].sizeOverride.value_or(static_cast<uint32_t>(chunks[i].size())));
  out.insert(out.end(), types.begin(), types.end());
  out.insert(out.end(), trees.begin(), trees.end());
  for (const auto& c : chunks) out.insert(out.end(), c.begin(), c.end());
  return out;
}

std::vector<uint8_t> redGreenPalette() {
  return {0x03, 0x89, 0x3F, 0x00, 0x00, 0x00, 0x3F, 0x00, 0xFF, 0xF3, 0x00, 0x00};
}

TestMovie workedExample() {
  TestMovie m;
  m.trees = {0x78, 0x01, 0x04, 0x0c, 0x38, 0x00, 0x0a, 0x16, 0xfc,
             0xff, 0x07, 0x00, 0x08, 0x00, 0x0c, 0x48, 0x35};
  m.treeSizes = {0, 0, 0, 40};
  TestFrame f;
  f.palette = redGreenPalette();
  f.video = {0x8d};
  m.frames.push_back(f);
  return m;
}

std::vector<uint8_t> videoBits(const std::string& codes) {
  BitWriter w;
  w.bits(codes);
  return w.bytes();
}

namespace {

// Distinct bytes (at `shift`) of the values, in order of first use.
std::vector<uint8_t> distinctBytes(const std::vector<uint16_t>& values, int shift) {
  std::vector<uint8_t> bytes;
  for (uint16_t v : values) {
    uint8_t b = static_cast<uint8_t>(v >> shift);
    bool seen = false;
    for (uint8_t x : bytes) seen |= x == b;
    if (!seen) bytes.push_back(b);
  }
  return bytes;
}

std::string byteCode(const std::vector<uint8_t>& bytes, uint8_t b) {
  for (size_t i = 0; i < bytes.size(); ++i)
    if (bytes[i] == b) return combCode(i, bytes.size());
  return "";
}

}  // namespace

std::string combCode(size_t i, size_t n) { return std::string(i, '1') + (i + 1 < n ? "0" : ""); }

std::vector<uint8_t> typeTreeComb(const std::vector<uint16_t>& values, uint32_t& sizeField) {
  BitWriter w;
  w.bits("000");  // MMAP, MCLR, FULL absent
  w.bit(1);       // TYPE present
  const std::vector<uint8_t> lo = distinctBytes(values, 0), hi = distinctBytes(values, 8);
  for (const auto& bytes : {lo, hi}) {
    w.bit(1);  // present
    for (size_t i = 0; i + 1 < bytes.size(); ++i) {
      w.bits("10");
      w.field(bytes[i], 8);
    }
    w.bit(0);
    w.field(bytes.back(), 8);
    w.bit(0);  // end
  }
  w.field(0xFFFF, 16);
  w.field(0xFFFE, 16);
  w.field(0xFFFD, 16);
  for (size_t i = 0; i < values.size(); ++i) {
    if (i + 1 < values.size()) w.bit(1);
    w.bit(0);
    w.bits(byteCode(lo, static_cast<uint8_t>(values[i])));
    w.bits(byteCode(hi, static_cast<uint8_t>(values[i] >> 8)));
  }
  w.bit(0);  // end
  sizeField = static_cast<uint32_t>(4 * (2 * values.size() - 1 + 3));
  return w.bytes();
}

std::vector<uint8_t> packed8MonoPayload() { return {0x04, 0x00, 0x00, 0x00, 0x29, 0x00, 0x20}; }
std::vector<uint8_t> packed16MonoPayload() {
  return {0x06, 0x00, 0x00, 0x00, 0x2D, 0x40, 0x01, 0x24, 0x68, 0x00};
}

}  // namespace smk::test
