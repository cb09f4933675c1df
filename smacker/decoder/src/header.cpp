#include "smk/header.h"

#include <cstring>

#include "base/little_endian.h"

namespace smk {

namespace {

Error headerError(ErrorKind kind, const char* message, uint64_t offset) {
  return Error{kind, Part::Header, message, offset, -1, -1};
}

}  // namespace

AudioTrack audioTrackFromField(uint32_t rawRate, uint32_t maxChunkBytes) {
  AudioTrack t;
  t.rawRate = rawRate;
  t.rate = rawRate & 0xFFFFFF;
  t.maxChunkBytes = maxChunkBytes;
  if (t.rate == 0) return t;  // no track, whatever the flags say
  const uint32_t flags = rawRate >> 24;
  t.channels = (flags & 0x10) ? 2 : 1;
  t.bitsPerSample = (flags & 0x20) ? 16 : 8;
  if (flags & 0x08)
    t.codec = AudioCodec::BinkRdft;
  else if (flags & 0x04)
    t.codec = AudioCodec::BinkDct;
  else if (flags & 0x80)
    t.codec = AudioCodec::SmackerDpcm;
  else
    t.codec = AudioCodec::Pcm;
  return t;
}

Result<Header> parseHeader(std::span<const uint8_t> b) {
  if (b.size() < kHeaderSize)
    return Error{
        ErrorKind::Truncated, Part::Header, "file shorter than the 104-byte header", 0, -1, -1};
  Header h;
  if (std::memcmp(b.data(), "SMK2", 4) == 0)
    h.version = Version::Smk2;
  else if (std::memcmp(b.data(), "SMK4", 4) == 0)
    h.version = Version::Smk4;
  else
    return headerError(ErrorKind::Unsupported,
                       "not a Smacker movie (signature is not SMK2 or SMK4)", 0);

  h.width = base::readLe32(&b[0x04]);
  h.height = base::readLe32(&b[0x08]);
  h.frames = base::readLe32(&b[0x0C]);
  h.frameRateField = static_cast<int32_t>(base::readLe32(&b[0x10]));
  h.flags = base::readLe32(&b[0x14]);
  h.ringFrame = (h.flags & 1) != 0;
  const bool interlaced = (h.flags & 2) != 0, doubled = (h.flags & 4) != 0;
  h.yScale = doubled ? YScale::Doubled : interlaced ? YScale::Interlaced : YScale::None;

  if (h.width == 0 || h.height == 0)
    return headerError(ErrorKind::Corrupt, "picture width or height is 0", 0x04);
  if (h.width > limits::kMaxWidth || h.height > limits::kMaxHeight)
    return headerError(ErrorKind::TooLarge, "picture wider or taller than 4096 pixels", 0x04);
  const uint64_t displayPixels = uint64_t{h.width} * h.height * (h.yScale == YScale::None ? 1 : 2);
  if (displayPixels > limits::kMaxDisplayPixels)
    return headerError(ErrorKind::TooLarge, "picture (with Y doubling) larger than 4096x4096",
                       0x04);

  const uint64_t stored = uint64_t{h.frames} + (h.ringFrame ? 1 : 0);
  if (stored > limits::kMaxStoredFrames)
    return headerError(ErrorKind::TooLarge, "more than 0xFFFFFF frames", 0x0C);
  h.storedFrames = static_cast<uint32_t>(stored);

  if (h.frameRateField > limits::kMaxFrameRateMs)
    return headerError(ErrorKind::TooLarge, "frame duration above 21474836 ms", 0x10);
  h.frameDuration = frameDurationFromField(h.frameRateField);

  h.treesSize = base::readLe32(&b[0x34]);
  for (int t = 0; t < 4; ++t) h.treeSizeFields[t] = base::readLe32(&b[0x38 + 4 * t]);
  for (int k = 0; k < limits::kAudioTracks; ++k)
    h.audio[k] =
        audioTrackFromField(base::readLe32(&b[0x48 + 4 * k]), base::readLe32(&b[0x18 + 4 * k]));
  if (h.treesSize == 0) return headerError(ErrorKind::Corrupt, "no Huffman tree block", 0x34);
  return h;
}

}  // namespace smk
