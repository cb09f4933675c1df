// The fixed layout of a Smacker file: header fields, flag bits, the frame tables, the video
// trees and block types, palette commands and audio flags. The reader, the writer and the
// tools all take these facts from here; the limits a file must respect are in smk/limits.h.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace smk::format {

// --- Header: 104 bytes of little-endian fields -------------------------------------------

inline constexpr std::string_view kSignatureSmk2 = "SMK2";
inline constexpr std::string_view kSignatureSmk4 = "SMK4";  // adds the FULL sub-modes

inline constexpr uint32_t kHeaderSize = 0x68;

inline constexpr uint32_t kWidthOffset = 0x04;
inline constexpr uint32_t kHeightOffset = 0x08;
inline constexpr uint32_t kFramesOffset = 0x0C;     // regular frames, without the ring frame
inline constexpr uint32_t kFrameRateOffset = 0x10;  // signed: > 0 ms, < 0 units of 10 us
inline constexpr uint32_t kFlagsOffset = 0x14;
inline constexpr uint32_t kTreesSizeOffset = 0x34;  // length of the tree block

// Per audio track k: the largest decoded chunk, and the rate with the format flags.
constexpr uint32_t audioSizeOffset(int track) { return 0x18 + 4 * static_cast<uint32_t>(track); }
constexpr uint32_t audioRateOffset(int track) { return 0x48 + 4 * static_cast<uint32_t>(track); }

// Header flags.
inline constexpr uint32_t kFlagRingFrame = 0x01;  // one more frame is stored after the others
inline constexpr uint32_t kFlagYInterlaced = 0x02;
inline constexpr uint32_t kFlagYDoubled = 0x04;

// --- Audio rate field: the rate in the low 24 bits, flags in the top byte ----------------

inline constexpr uint32_t kAudioRateMask = 0xFFFFFF;
inline constexpr int kAudioFlagsShift = 24;
inline constexpr uint32_t kAudioPacked = 0x80;  // Huffman-coded deltas instead of raw PCM
inline constexpr uint32_t kAudioPresent = 0x40;
inline constexpr uint32_t kAudio16Bit = 0x20;
inline constexpr uint32_t kAudioStereo = 0x10;
inline constexpr uint32_t kAudioBinkRdft = 0x08;
inline constexpr uint32_t kAudioBinkDct = 0x04;

// --- Frame tables ------------------------------------------------------------------------

// A frame size entry is the chunk length (a multiple of 4) with two flag bits below it.
inline constexpr uint32_t kFrameSizeKeyframe = 0x01;
inline constexpr uint32_t kFrameSizeFlagBits = 0x03;
constexpr uint32_t chunkLength(uint32_t sizeEntry) { return sizeEntry & ~kFrameSizeFlagBits; }
inline constexpr uint32_t kChunkAlignment = 4;

// A frame type byte says which chunks precede the video data.
inline constexpr uint8_t kFrameTypePalette = 0x01;
constexpr uint8_t frameTypeAudio(int track) { return static_cast<uint8_t>(2u << track); }

// --- Palette chunks: a length byte (in 4-byte units), then commands for 256 entries ------

inline constexpr unsigned kPaletteEntries = 256;
inline constexpr uint32_t kPaletteUnit = 4;
// KEEP: the low 7 bits are the count of unchanged entries minus 1.
inline constexpr uint8_t kPaletteKeep = 0x80;
inline constexpr unsigned kPaletteKeepMax = 128;
// COPY: the low 6 bits are the count minus 1; the next byte is the first entry of the old
// palette to copy from.
inline constexpr uint8_t kPaletteCopy = 0x40;
inline constexpr unsigned kPaletteCopyMax = 64;
// Any other byte starts a LITERAL entry: it and the next two bytes are red, green and blue.
inline constexpr uint8_t kPaletteComponentMask = 0x3F;

// The 8-bit value shown for a 6-bit colour component: its top bits repeat at the bottom.
constexpr uint8_t expand6(uint8_t c) {
  return static_cast<uint8_t>((c & kPaletteComponentMask) << 2 | (c & kPaletteComponentMask) >> 4);
}

// --- Video -------------------------------------------------------------------------------

// The four 16-bit trees, in the order of the tree block and of the header's size fields
// (which start at kTreeSizesOffset, 4 bytes each).
enum VideoTree { kMmapTree, kMclrTree, kFullTree, kTypeTree };
inline constexpr int kVideoTrees = 4;
inline constexpr uint32_t kTreeSizesOffset = 0x38;
constexpr uint32_t treeSizeOffset(VideoTree tree) {
  return kTreeSizesOffset + 4 * static_cast<uint32_t>(tree);
}
// The size field a writer stores for a present tree of `elements` nodes and leaves.
constexpr uint32_t treeSizeField(uint32_t elements) { return 4 * (elements + 3); }

// Pictures are coded in blocks of 4x4 pixels, row by row.
inline constexpr uint32_t kBlockSize = 4;
enum BlockKind : uint8_t { kMono = 0, kFull = 1, kSkip = 2, kSolid = 3 };

// Block runs: TYPE symbols carry an index into this table.
inline constexpr std::array<uint32_t, 64> kRunLengths = {
    1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16,  17,  18,  19,   20,  21, 22,
    23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38,  39,  40,  41,   42,  43, 44,
    45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 128, 256, 512, 1024, 2048};
// The first index whose run is longer than the one before it by more than one block.
inline constexpr unsigned kFirstLongRun = 59;

// A TYPE symbol: the block kind in bits 0-1, the run index in bits 2-7 and, for SOLID runs,
// the colour in bits 8-15.
constexpr BlockKind typeKind(uint32_t type) { return static_cast<BlockKind>(type & 3); }
constexpr unsigned typeRunIndex(uint32_t type) { return (type >> 2) & 0x3F; }
constexpr uint8_t typeColour(uint32_t type) { return static_cast<uint8_t>(type >> 8); }
constexpr uint16_t typeSymbol(BlockKind kind, unsigned runIndex, uint8_t colour = 0) {
  return static_cast<uint16_t>(colour << 8 | runIndex << 2 | kind);
}

// SMK4 FULL runs carry a sub-mode after their TYPE symbol: bit 1 DOUBLE (2x2 squares, two FULL
// symbols per block), bits 0 1 HALF (rows 1 and 3 repeat rows 0 and 2, four symbols), bits
// 0 0 NORMAL (eight symbols).
enum FullMode : uint8_t { kNormal = 0, kHalf = 1, kDouble = 2 };
constexpr unsigned fullSymbolsPerBlock(FullMode mode) {
  return mode == kDouble ? 2 : mode == kHalf ? 4 : 8;
}

}  // namespace smk::format
