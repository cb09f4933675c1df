// Audio chunks of one track: raw PCM passes through, Smacker DPCM chunks are decoded with
// their own Huffman trees. Both behave like FFmpeg's decoders, damaged chunks included.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "small_tree.h"
#include "smk/header.h"

namespace smk::detail {

class AudioDecoder {
 public:
  // Decodes one chunk payload of `track` into `out` (replacing its content). `payload` must be
  // followed by BitReader::kPadding zero bytes. Returns nullptr, or the reason the chunk gives
  // no samples (out is then empty). Fails only with an allocation error beyond that.
  const char* decode(const AudioTrack& track, std::span<const uint8_t> payload,
                     std::vector<uint8_t>& out);

 private:
  const char* decodePacked(const AudioTrack& track, const uint8_t* data, size_t size,
                           std::vector<uint8_t>& out);
  std::array<SmallTree, 4> trees_;
};

}  // namespace smk::detail
