#include "smk/header.h"

#include <string_view>

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
  t.rate = rawRate & format::kAudioRateMask;
  t.maxChunkBytes = maxChunkBytes;
  if (t.rate == 0) return t;  // no track, whatever the flags say
  const uint32_t flags = rawRate >> format::kAudioFlagsShift;
  t.channels = (flags & format::kAudioStereo) ? 2 : 1;
  t.bitsPerSample = (flags & format::kAudio16Bit) ? 16 : 8;
  if (flags & format::kAudioBinkRdft)
    t.codec = AudioCodec::BinkRdft;
  else if (flags & format::kAudioBinkDct)
    t.codec = AudioCodec::BinkDct;
  else if (flags & format::kAudioPacked)
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
  const std::string_view signature(reinterpret_cast<const char*>(b.data()), 4);
  if (signature == format::kSignatureSmk2)
    h.version = Version::Smk2;
  else if (signature == format::kSignatureSmk4)
    h.version = Version::Smk4;
  else
    return headerError(ErrorKind::Unsupported,
                       "not a Smacker movie (signature is not SMK2 or SMK4)", 0);

  h.width = base::readLe32(&b[format::kWidthOffset]);
  h.height = base::readLe32(&b[format::kHeightOffset]);
  h.frames = base::readLe32(&b[format::kFramesOffset]);
  h.frameRateField = static_cast<int32_t>(base::readLe32(&b[format::kFrameRateOffset]));
  h.flags = base::readLe32(&b[format::kFlagsOffset]);
  h.ringFrame = (h.flags & format::kFlagRingFrame) != 0;
  const bool interlaced = (h.flags & format::kFlagYInterlaced) != 0,
             doubled = (h.flags & format::kFlagYDoubled) != 0;
  h.yScale = doubled ? YScale::Doubled : interlaced ? YScale::Interlaced : YScale::None;

  if (h.width == 0 || h.height == 0)
    return headerError(ErrorKind::Corrupt, "picture width or height is 0", format::kWidthOffset);
  if (h.width > limits::kMaxWidth || h.height > limits::kMaxHeight)
    return headerError(ErrorKind::TooLarge, "picture wider or taller than 4096 pixels",
                       format::kWidthOffset);
  const uint64_t displayPixels = uint64_t{h.width} * h.height * (h.yScale == YScale::None ? 1 : 2);
  if (displayPixels > limits::kMaxDisplayPixels)
    return headerError(ErrorKind::TooLarge, "picture (with Y doubling) larger than 4096x4096",
                       format::kWidthOffset);

  const uint64_t stored = uint64_t{h.frames} + (h.ringFrame ? 1 : 0);
  if (stored > limits::kMaxStoredFrames)
    return headerError(ErrorKind::TooLarge, "more than 0xFFFFFF frames", format::kFramesOffset);
  h.storedFrames = static_cast<uint32_t>(stored);

  if (h.frameRateField > limits::kMaxFrameRateMs)
    return headerError(ErrorKind::TooLarge, "frame duration above 21474836 ms",
                       format::kFrameRateOffset);
  h.frameDuration = frameDurationFromField(h.frameRateField);

  h.treesSize = base::readLe32(&b[format::kTreesSizeOffset]);
  for (int t = 0; t < format::kVideoTrees; ++t)
    h.treeSizeFields[t] =
        base::readLe32(&b[format::treeSizeOffset(static_cast<format::VideoTree>(t))]);
  for (int k = 0; k < limits::kAudioTracks; ++k)
    h.audio[k] = audioTrackFromField(base::readLe32(&b[format::audioRateOffset(k)]),
                                     base::readLe32(&b[format::audioSizeOffset(k)]));
  if (h.treesSize == 0)
    return headerError(ErrorKind::Corrupt, "no Huffman tree block", format::kTreesSizeOffset);
  return h;
}

}  // namespace smk
