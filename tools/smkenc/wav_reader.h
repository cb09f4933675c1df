#pragma once
// Reads PCM sound from a WAV file: 8-bit unsigned or 16-bit signed, mono or stereo.
#include <cstdint>
#include <string>
#include <vector>

namespace smkenc {

struct WavSound {
  uint32_t rate = 0;
  unsigned channels = 0, bits = 0;
  std::vector<uint8_t> pcm;  // interleaved samples as stored (16-bit little-endian)
};

// Throws std::runtime_error with a message naming the problem.
WavSound parse_wav(const std::vector<uint8_t>& file);
WavSound read_wav(const std::string& path);

}  // namespace smkenc
