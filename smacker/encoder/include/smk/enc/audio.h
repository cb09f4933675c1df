#pragma once
// Audio tracks: raw PCM or the packed form (Huffman-coded differences, trees per chunk).
#include <cstdint>
#include <span>
#include <vector>

#include "smk/error.h"

namespace smk::enc {

struct AudioFormat {
  uint32_t rate = 22050;  // Hz, 1 .. 0xFFFFFF
  unsigned channels = 1;  // 1 or 2
  unsigned bits = 8;      // 8 (unsigned samples) or 16 (signed, little-endian)
  bool packed = true;     // Huffman-coded differences instead of raw PCM
  unsigned frameBytes() const { return channels * bits / 8; }
};

// Whether the format can hold a track in this format (rate, channels, sample width).
Status checkAudioFormat(const AudioFormat& format);

// The header's AudioRate value of a track in this format.
uint32_t audioRateField(const AudioFormat& format);

// One audio chunk's payload (without the 4-byte length) for the given PCM bytes, which hold
// whole sample frames (interleaved left, right).
Result<std::vector<uint8_t>> audioChunkPayload(const AudioFormat& format,
                                               std::span<const uint8_t> pcm);

}  // namespace smk::enc
