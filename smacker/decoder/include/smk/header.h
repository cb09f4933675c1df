// The header facts of a Smacker movie and the rules that derive them from the 104 header
// bytes (frame duration, audio track formats).
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "smk/error.h"
#include "smk/format.h"
#include "smk/limits.h"

namespace smk {

using format::kHeaderSize;

enum class Version { Smk2, Smk4 };  // SMK4 adds the sub-modes of FULL blocks

// How a player stretches the coded picture vertically (flag bits 1 and 2). The picture itself
// is always width x height; both bits set counts as Doubled.
enum class YScale { None, Interlaced, Doubled };

enum class AudioCodec {
  None,         // no track (rate 0)
  Pcm,          // raw samples
  SmackerDpcm,  // the format's Huffman-coded deltas ("packed")
  BinkRdft,     // Bink Audio: not decoded, the track is skipped
  BinkDct,      // Bink Audio: not decoded, the track is skipped
};

struct AudioTrack {
  AudioCodec codec = AudioCodec::None;
  uint32_t rate = 0;           // Hz
  uint8_t channels = 0;        // 1 or 2
  uint8_t bitsPerSample = 0;   // 8 (unsigned) or 16 (signed, little-endian)
  uint32_t rawRate = 0;        // the header field as stored (rate | flags << 24)
  uint32_t maxChunkBytes = 0;  // the header's hint of the largest decoded chunk

  bool present() const { return codec != AudioCodec::None; }
  bool decodable() const { return codec == AudioCodec::Pcm || codec == AudioCodec::SmackerDpcm; }
};

struct Header {
  Version version = Version::Smk2;
  uint32_t width = 0;
  uint32_t height = 0;
  uint32_t frames = 0;         // regular frames, without the ring frame
  bool ringFrame = false;      // one more frame is stored after the regular ones
  uint32_t storedFrames = 0;   // frames + ringFrame: what decodeNextFrame delivers
  int32_t frameRateField = 0;  // as stored
  uint32_t frameDuration = 0;  // one frame's display time in 10 microsecond units
  uint32_t flags = 0;          // as stored (unknown bits are ignored)
  YScale yScale = YScale::None;
  uint32_t treesSize = 0;
  std::array<uint32_t, format::kVideoTrees> treeSizeFields{};  // in format::VideoTree order
  std::array<AudioTrack, limits::kAudioTracks> audio{};
};

// Frame duration in 10 microsecond units for a frame-rate field: r > 0 is milliseconds,
// r < 0 is -r units, 0 is the default of 10 frames a second. Never overflows (INT32_MIN gives
// 2^31). Fields above limits::kMaxFrameRateMs are refused by parseHeader.
constexpr uint32_t frameDurationFromField(int32_t r) {
  if (r > 0) return static_cast<uint32_t>(r) * 100u;
  if (r < 0) return static_cast<uint32_t>(-static_cast<int64_t>(r));
  return limits::kDefaultFrameDuration;
}

// The track description a header's AudioRate field gives.
AudioTrack audioTrackFromField(uint32_t rawRate, uint32_t maxChunkBytes);

// Parses and validates the 104 header bytes (sizes against limits.h; that the tables and trees
// fit in the file is checked by Movie::open, which knows the file size).
Result<Header> parseHeader(std::span<const uint8_t> bytes);

}  // namespace smk
