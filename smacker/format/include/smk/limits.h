// The limits of Smacker files that play, with the reason for each. The reader rejects a file
// beyond a limit (or, for per-frame limits, that frame) before allocating anything for it; the
// writer never produces one.
#pragma once

#include <cstdint>

namespace smk::limits {

// Picture size: the largest movies of the format's era are 640x480; 4096 leaves room for
// anything real while keeping one picture buffer at most 16 MiB.
inline constexpr uint32_t kMaxWidth = 4096;
inline constexpr uint32_t kMaxHeight = 4096;
// Decoded picture including the vertical doubling of the Y flags (what a player allocates).
inline constexpr uint64_t kMaxDisplayPixels = 4096ull * 4096ull;
// FFmpeg's format probe is less sure of files with larger pictures: the writer's bound.
inline constexpr uint32_t kMaxWrittenSide = 32768;

// Stored frames (regular frames plus the ring frame): FFmpeg refuses more than 0xFFFFFF, so
// no playable file has more. The frame tables (5 bytes per frame) must also fit in the file.
inline constexpr uint32_t kMaxStoredFrames = 0xFFFFFF;

// Frame-rate field: FFmpeg scales positive values (milliseconds) by 100 into a signed 32-bit
// number and refuses larger ones; no playable file exceeds it.
inline constexpr int32_t kMaxFrameRateMs = 21474836;
// Duration used when the frame-rate field is 0 (the format's default of 10 frames a second),
// in 10 microsecond units.
inline constexpr uint32_t kDefaultFrameDuration = 10000;

// Audio tracks the header describes.
inline constexpr int kAudioTracks = 7;
// Decoded bytes of one compressed audio chunk: FFmpeg drops chunks above 16 MiB; real chunks
// hold about a second of sound (well under 200 KiB).
inline constexpr uint32_t kMaxDecodedAudioChunk = 1u << 24;

// Huffman trees. Codes of the 8-bit trees are at most 27 bits deep and have at most 256
// leaves (FFmpeg's limits; a deeper tree cannot come from a real encoder).
inline constexpr int kMaxSmallTreeDepth = 27;
inline constexpr int kMaxSmallTreeLeaves = 256;
// 16-bit trees nest at most 500 levels (FFmpeg's limit; the parser keeps its own stack).
inline constexpr int kMaxBigTreeDepth = 500;
// A 16-bit tree's size field counts 4 bytes per element; FFmpeg refuses fields from 2^28 on.
inline constexpr uint32_t kMaxBigTreeSizeField = (0xFFFFFFFFu >> 4) - 1;
// Elements (inner nodes and leaves) of one 16-bit tree: an encoder needs at most one leaf per
// 16-bit value (2^17 - 1 elements); 2^20 bounds the unpacked tree at 8 MiB.
inline constexpr uint32_t kMaxBigTreeElements = 1u << 20;

}  // namespace smk::limits
