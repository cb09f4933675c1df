#include "smk/enc/audio.h"

#include <array>

#include "base/little_endian.h"
#include "smk/enc/bit_writer.h"
#include "smk/enc/small_tree.h"
#include "smk/format.h"
#include "smk/limits.h"

namespace smk::enc {

namespace {

Error audioError(const char* message) {
  return Error{ErrorKind::Invalid, Part::Audio, message, 0, -1, -1};
}

}  // namespace

Status checkAudioFormat(const AudioFormat& f) {
  if (f.rate == 0 || f.rate > format::kAudioRateMask) return audioError("audio rate out of range");
  if ((f.channels != 1 && f.channels != 2) || (f.bits != 8 && f.bits != 16))
    return audioError("audio must be 8 or 16 bits, mono or stereo");
  return {};
}

uint32_t audioRateField(const AudioFormat& f) {
  using namespace format;
  const uint32_t flags = kAudioPresent | (f.packed ? kAudioPacked : 0) |
                         (f.bits == 16 ? kAudio16Bit : 0) | (f.channels == 2 ? kAudioStereo : 0);
  return f.rate | flags << kAudioFlagsShift;
}

Result<std::vector<uint8_t>> audioChunkPayload(const AudioFormat& f, std::span<const uint8_t> pcm) {
  if (Status s = checkAudioFormat(f); !s) return s.error();
  if (pcm.empty() || pcm.size() % f.frameBytes() != 0)
    return audioError("audio chunk must hold whole, non-empty sample frames");
  if (!f.packed) return std::vector<uint8_t>(pcm.begin(), pcm.end());
  if (pcm.size() > limits::kMaxDecodedAudioChunk)
    return Error{ErrorKind::TooLarge, Part::Audio, "packed audio chunk above 16 MiB", 0, -1, -1};

  const bool stereo = f.channels == 2, is16 = f.bits == 16;
  const size_t count = pcm.size() / (is16 ? 2 : 1);  // samples over all channels
  auto sample = [&](size_t j) -> uint32_t { return is16 ? base::readLe16(&pcm[2 * j]) : pcm[j]; };

  // Differences per channel, wrapping; tree t = channel * (is16 ? 2 : 1) + byte.
  const unsigned trees = 1u << ((stereo ? 1 : 0) + (is16 ? 1 : 0));
  std::vector<std::array<uint64_t, 256>> counts(trees, std::array<uint64_t, 256>{});
  std::vector<uint32_t> deltas(count, 0);
  const uint32_t mask = is16 ? 0xFFFF : 0xFF;
  for (size_t j = f.channels; j < count; ++j) {
    const unsigned c = stereo ? unsigned(j & 1) : 0;
    deltas[j] = (sample(j) - sample(j - f.channels)) & mask;
    if (is16) {
      ++counts[c * 2][deltas[j] & 0xFF];
      ++counts[c * 2 + 1][deltas[j] >> 8];
    } else {
      ++counts[c][deltas[j]];
    }
  }
  std::vector<HuffmanCode> code;
  for (const auto& c : counts) code.push_back(buildSmallTree(c));

  BitWriter bits;
  bits.putBit(true);
  bits.putBit(stereo);
  bits.putBit(is16);
  for (const auto& c : code) writeSmallTree(bits, c);
  for (int c = int(f.channels) - 1; c >= 0; --c) {  // right channel's start value first
    uint32_t v = sample(size_t(c));
    if (is16) {
      bits.put(v >> 8, 8);
      bits.put(v & 0xFF, 8);
    } else {
      bits.put(v, 8);
    }
  }
  for (size_t j = f.channels; j < count; ++j) {
    const unsigned c = stereo ? unsigned(j & 1) : 0;
    if (is16) {
      code[c * 2].write(bits, deltas[j] & 0xFF);
      code[c * 2 + 1].write(bits, deltas[j] >> 8);
    } else {
      code[c].write(bits, deltas[j]);
    }
  }
  const std::vector<uint8_t> body = bits.finish();
  std::vector<uint8_t> out;
  out.reserve(4 + body.size());
  base::appendLe32(out, uint32_t(pcm.size()));
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

}  // namespace smk::enc
