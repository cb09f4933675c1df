// Small Smacker movies built in memory for the reader's tests, and a bit writer for the
// hand-made trees and bitstreams they contain.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "smk/format.h"
#include "smk/limits.h"

namespace smk::test {

// LSB-first bit writer (the format's bit order).
class BitWriter {
 public:
  void bit(int b);
  void bits(const std::string& zerosAndOnes);  // "1011" = bit 1, then 0, 1, 1
  void field(uint32_t value, int n);
  std::vector<uint8_t> bytes() const;
  size_t size() const { return bits_.size(); }

 private:
  std::vector<uint8_t> bits_;
};

struct TestFrame {
  std::vector<uint8_t> palette;                 // whole palette chunk (length byte included)
  std::map<int, std::vector<uint8_t>> audio;    // track -> payload (the length is added)
  std::map<int, uint32_t> audioLengthOverride;  // track -> stored Length field
  std::vector<uint8_t> video;
  std::optional<uint32_t> sizeOverride;  // stored FrameSize entry
};

struct TestMovie {
  std::string signature{format::kSignatureSmk2};
  uint32_t width = 16, height = 4;
  std::optional<uint32_t> framesOverride;  // default: frames.size() - ring
  int32_t frameRate = 100;
  uint32_t flags = 0;
  std::array<uint32_t, limits::kAudioTracks> audioSize{};
  std::array<uint32_t, limits::kAudioTracks> audioRate{};
  std::vector<uint8_t> trees;
  std::optional<uint32_t> treesSizeOverride;
  std::array<uint32_t, format::kVideoTrees> treeSizes{};  // in format::VideoTree order
  std::vector<TestFrame> frames;

  std::vector<uint8_t> bytes() const;
};

// The 16x4 one-frame movie of the format notes' worked example: only the TYPE tree is
// present (SOLID 0x0A, SOLID 0x0B and references to cache slots 1 and 2); its video data
// paints the four blocks red, green, red, red.
TestMovie workedExample();

// The example's TYPE tree codes: "10" SOLID colour 10 (red), "11" SOLID colour 11 (green),
// "00" cache slot 1, "01" cache slot 2.
// A palette chunk giving entry 10 red and entry 11 green, the rest black.
std::vector<uint8_t> redGreenPalette();

// Video data whose codes are `codes` (e.g. "10111011"), padded to bytes.
std::vector<uint8_t> videoBits(const std::string& codes);

// A tree block with only a TYPE tree whose leaves carry `values`, leaf i with the code
// combCode(i, n) (i ones then a zero; the last leaf n-1 ones); no cache references (escapes
// 0xFFFF, 0xFFFE, 0xFFFD).
std::vector<uint8_t> typeTreeComb(const std::vector<uint16_t>& values, uint32_t& sizeField);
std::string combCode(size_t i, size_t n);

// Packed audio payloads from the format notes: 8-bit mono giving 80 81 82 83, and 16-bit mono
// giving 0x1234 0x1335 0x1436.
std::vector<uint8_t> packed8MonoPayload();
std::vector<uint8_t> packed16MonoPayload();
inline constexpr uint32_t kPacked8Mono = 0xC0002B11;
inline constexpr uint32_t kPacked16Mono = 0xE0002B11;

}  // namespace smk::test
