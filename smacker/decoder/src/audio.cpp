#include "audio.h"

#include <cstring>
#include <new>

#include "base/little_endian.h"
#include "bit_reader.h"

namespace smk::detail {

namespace {

// Resizes without throwing: false when memory runs out.
bool resize(std::vector<uint8_t>& v, size_t n) {
  try {
    v.resize(n);
  } catch (const std::bad_alloc&) {
    v.clear();
    return false;
  }
  return true;
}

}  // namespace

const char* AudioDecoder::decode(const AudioTrack& track, std::span<const uint8_t> payload,
                                 std::vector<uint8_t>& out) {
  out.clear();
  if (track.codec == AudioCodec::SmackerDpcm)
    return decodePacked(track, payload.data(), payload.size(), out);
  // Raw PCM: whole sample frames only; less than one is an error.
  const size_t frameBytes = size_t{track.channels} * (track.bitsPerSample / 8);
  const size_t n = payload.size() - payload.size() % frameBytes;
  if (n == 0) return "raw audio chunk shorter than one sample";
  if (!resize(out, n)) return "out of memory for audio";
  std::memcpy(out.data(), payload.data(), n);
  return nullptr;
}

const char* AudioDecoder::decodePacked(const AudioTrack& track, const uint8_t* data, size_t size,
                                       std::vector<uint8_t>& out) {
  // A chunk whose "data present" bit is 0 counts as one byte long; FFmpeg then decodes the
  // bytes after that byte as a chunk of their own, and so do we.
  for (;;) {
    if (size <= 4) return "packed audio chunk too short";
    const uint32_t decodedSize = base::readLe32(data);
    if (decodedSize > limits::kMaxDecodedAudioChunk)
      return "packed audio chunk decodes to more than 16 MiB";
    BitReader br(data + 4, size - 4);
    if (br.bit()) {
      const bool stereo = br.bit();
      const bool is16 = br.bit();
      if (stereo != (track.channels == 2))
        return "packed audio chunk disagrees with the track's channels";
      if (is16 != (track.bitsPerSample == 16))
        return "packed audio chunk disagrees with the track's sample width";
      const unsigned channels = stereo ? 2 : 1;
      const unsigned bytesPerSample = is16 ? 2 : 1;
      if (decodedSize % (channels * bytesPerSample) != 0)
        return "packed audio size is not a whole number of samples";
      if (decodedSize == 0) return "packed audio chunk with no samples";
      const unsigned treeCount = 1u << (channels - 1 + bytesPerSample - 1);
      for (unsigned t = 0; t < treeCount; ++t) {
        br.skip(1);  // presence bit: the tree is always there
        if (!trees_[t].read(br)) return "invalid Huffman tree in packed audio";
        br.skip(1);  // end bit
      }
      if (!resize(out, decodedSize)) return "out of memory for audio";
      uint8_t* o = out.data();
      const uint32_t samples = decodedSize / bytesPerSample;
      if (is16) {
        uint16_t pred[2];
        for (int c = static_cast<int>(channels) - 1; c >= 0; --c) {
          const uint32_t hi = br.read(8);
          pred[c] = static_cast<uint16_t>(hi << 8 | br.read(8));
        }
        for (unsigned c = 0; c < channels; ++c) {
          base::writeLe16(&o[2 * c], pred[c]);
        }
        for (uint32_t i = channels; i < samples; ++i) {
          if (br.bitsLeft() < 0) {
            out.clear();
            return "packed audio data ends early";
          }
          const unsigned c = stereo ? (i & 1) : 0;
          uint32_t d = trees_[2 * c].decode(br);
          d |= uint32_t{trees_[2 * c + 1].decode(br)} << 8;
          pred[c] = static_cast<uint16_t>(pred[c] + d);
          base::writeLe16(&o[2 * i], pred[c]);
        }
      } else {
        uint8_t pred[2];
        for (int c = static_cast<int>(channels) - 1; c >= 0; --c)
          pred[c] = static_cast<uint8_t>(br.read(8));
        for (unsigned c = 0; c < channels; ++c) o[c] = pred[c];
        for (uint32_t i = channels; i < samples; ++i) {
          if (br.bitsLeft() < 0) {
            out.clear();
            return "packed audio data ends early";
          }
          const unsigned c = stereo ? (i & 1) : 0;
          pred[c] = static_cast<uint8_t>(pred[c] + trees_[c].decode(br));
          o[i] = pred[c];
        }
      }
      return nullptr;
    }
    ++data;
    --size;
  }
}

}  // namespace smk::detail
