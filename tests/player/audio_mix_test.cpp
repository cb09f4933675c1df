// The selected tracks as one 16-bit stream.
#include "audio_mix.h"

#include <gtest/gtest.h>

#include <vector>

namespace vid {
namespace {

constexpr uint32_t kAllTracks = 0xFE000;

smk::Header headerWith(std::vector<smk::AudioTrack> tracks) {
  smk::Header h;
  for (size_t i = 0; i < tracks.size(); ++i) h.audio[i] = tracks[i];
  return h;
}

smk::AudioTrack pcm(uint32_t rate, uint8_t channels, uint8_t bits) {
  smk::AudioTrack t;
  t.codec = smk::AudioCodec::Pcm;
  t.rate = rate;
  t.channels = channels;
  t.bitsPerSample = bits;
  return t;
}

using Chunks = std::array<std::span<const uint8_t>, smk::limits::kAudioTracks>;

std::vector<int16_t> mixOnce(AudioMixer& mixer, const Chunks& chunks) {
  auto out = mixer.mix(chunks);
  return std::vector<int16_t>(out.begin(), out.end());
}

TEST(AudioMix, FormatAndSelection) {
  AudioMixer mixer;
  smk::AudioTrack bink = pcm(48000, 2, 16);
  bink.codec = smk::AudioCodec::BinkDct;
  // Track 0 (Bink) cannot be decoded, track 1 leads, track 2 is stereo.
  const smk::Header h = headerWith({bink, pcm(22050, 1, 8), pcm(11025, 2, 16)});
  ASSERT_TRUE(mixer.configure(h, kAllTracks));
  EXPECT_EQ(mixer.format().rate, 22050u);
  EXPECT_EQ(mixer.format().channels, 2);
  ASSERT_TRUE(mixer.configure(h, 1u << 14));  // track 1 alone
  EXPECT_EQ(mixer.format().channels, 1);
  EXPECT_FALSE(mixer.configure(h, 1u << 13));                // only the Bink track
  EXPECT_FALSE(mixer.configure(smk::Header{}, kAllTracks));  // no sound at all
}

TEST(AudioMix, ConvertsWidensSumsAndClips) {
  AudioMixer mixer;
  ASSERT_TRUE(mixer.configure(headerWith({pcm(8000, 1, 8), pcm(8000, 2, 16)}), kAllTracks));
  const uint8_t mono8[] = {128, 255, 0};
  // Stereo 16-bit: (1000, -1000), (32767, -32768); one frame shorter than the mono track.
  const uint8_t stereo16[] = {0xE8, 0x03, 0x18, 0xFC, 0xFF, 0x7F, 0x00, 0x80};
  Chunks chunks{};
  chunks[0] = mono8;
  chunks[1] = stereo16;
  EXPECT_EQ(mixOnce(mixer, chunks),
            (std::vector<int16_t>{1000, -1000, 32767, -32768 + 127 * 256, -32768, -32768}));
}

TEST(AudioMix, OtherRatesStayInStepAcrossChunks) {
  AudioMixer mixer;
  // The stream runs at 8000 Hz; the second track at 3000 Hz gives 8/3 frames a frame.
  ASSERT_TRUE(
      mixer.configure(headerWith({pcm(8000, 1, 16), pcm(3000, 1, 8)}), 1u << 14 | 1u << 13));
  std::vector<uint8_t> slow(3);
  size_t total = 0;
  Chunks chunks{};
  for (int frame = 0; frame < 100; ++frame) {
    for (size_t i = 0; i < slow.size(); ++i) slow[i] = static_cast<uint8_t>(128 + frame);
    chunks[1] = slow;
    const auto out = mixOnce(mixer, chunks);
    EXPECT_GE(out.size(), 7u);
    EXPECT_LE(out.size(), 8u);
    for (int16_t s : out) EXPECT_EQ(s, frame * 256);  // never a sample of another chunk
    total += out.size();
  }
  EXPECT_EQ(total, 800u);  // 300 frames at 3000 Hz are exactly 800 at 8000 Hz
}

}  // namespace
}  // namespace vid
