// One table of malformed movies, one or more cases per class of bad input the reader must
// survive (named after the class), each a small valid movie with one mutation; then the
// program-level cases the library can cover (missing or shrinking file), and the inputs the
// fuzzer once found, replayed.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>

#include "base/little_endian.h"
#include "decode_all.h"
#include "smk/movie.h"
#include "test_movie.h"

namespace smk::test {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes example() { return workedExample().bytes(); }

Bytes exampleWith(size_t offset, uint32_t value) {
  Bytes b = example();
  base::writeLe32(&b[offset], value);
  return b;
}

// A one-frame movie with packed 8-bit mono audio on track 0, whose chunk payload is `payload`.
TestMovie withAudio(const Bytes& payload, uint32_t rate = kPacked8Mono) {
  TestMovie m = workedExample();
  m.audioRate[0] = rate;
  m.frames[0].audio[0] = payload;
  return m;
}

// A movie w x h whose TYPE tree is a comb over `types`, one frame with video `codes`.
TestMovie combMovie(uint32_t w, uint32_t h, const std::vector<uint16_t>& types,
                    const std::string& codes) {
  TestMovie m;
  m.width = w;
  m.height = h;
  m.trees = typeTreeComb(types, m.treeSizes[3]);
  TestFrame f;
  f.palette = redGreenPalette();
  f.video = videoBits(codes);
  m.frames = {f};
  return m;
}

// A tree block holding only a TYPE tree whose low-byte tree is a comb of `leaves` leaves.
Bytes deepByteTree(int leaves) {
  BitWriter w;
  w.bits("0001");
  w.bit(1);
  for (int i = 0; i < leaves; ++i) {
    if (i + 1 < leaves) w.bit(1);
    w.bit(0);
    w.field(static_cast<uint32_t>(i), 8);
  }
  w.bit(0);
  w.bit(0);  // high-byte tree absent
  w.field(0xFFFF, 16), w.field(0xFFFE, 16), w.field(0xFFFD, 16);
  w.bits("00");  // root leaf, low byte code 0
  w.bit(0);
  return w.bytes();
}

// A tree block holding only a TYPE tree whose low-byte tree is complete of the given depth.
Bytes wideByteTree(int depth) {
  BitWriter w;
  w.bits("0001");
  w.bit(1);
  std::function<void(int)> node = [&](int d) {
    if (d == depth) {
      w.bit(0);
      w.field(0, 8);
      return;
    }
    w.bit(1);
    node(d + 1);
    node(d + 1);
  };
  node(0);
  w.bit(0);
  w.bit(0);
  w.field(0xFFFF, 16), w.field(0xFFFE, 16), w.field(0xFFFD, 16);
  w.bit(0);
  w.bits(std::string(static_cast<size_t>(depth), '0'));
  w.bit(0);
  return w.bytes();
}

TestMovie withTrees(Bytes trees, uint32_t typeSize = 4000) {
  TestMovie m = workedExample();
  m.trees = std::move(trees);
  m.treeSizes = {0, 0, 0, typeSize};
  return m;
}

struct Case {
  const char* name;
  std::function<Bytes()> make;
  std::function<void(Result<Movie>&, const Decoded&)> check;
};

std::function<void(Result<Movie>&, const Decoded&)> rejected(ErrorKind kind) {
  return [kind](Result<Movie>& m, const Decoded&) {
    ASSERT_FALSE(m.ok());
    EXPECT_EQ(m.error().kind, kind) << m.error().describe();
    EXPECT_FALSE(m.error().describe().empty());
  };
}

void opened(Result<Movie>& m) { ASSERT_TRUE(m.ok()) << m.error().describe(); }

// Opens, decodes every frame, and shows `pictures` pictures without any damage.
std::function<void(Result<Movie>&, const Decoded&)> plays(int pictures) {
  return [pictures](Result<Movie>& m, const Decoded& d) {
    opened(m);
    EXPECT_EQ(d.pictures(), pictures);
    for (const auto& f : d.frames) EXPECT_FALSE(f.damage) << f.damage->describe();
  };
}

// Frame `index` has damage in `part`; `broken`: its chunk layout is broken too.
void expectDamage(const Decoded& d, size_t index, Part part, bool broken) {
  ASSERT_LT(index, d.frames.size());
  const FrameRecord& f = d.frames[index];
  ASSERT_TRUE(f.damage);
  EXPECT_EQ(f.damage->part, part) << f.damage->describe();
  EXPECT_EQ(f.damage->frame, static_cast<int64_t>(index));
  EXPECT_EQ(f.layoutBroken, broken);
}

// The audio chunk of frame 0 gives no samples, the picture is still shown.
std::function<void(Result<Movie>&, const Decoded&)> audioDropped() {
  return [](Result<Movie>& m, const Decoded& d) {
    opened(m);
    EXPECT_TRUE(d.audio[0].empty());
    expectDamage(d, 0, Part::Audio, false);
    EXPECT_TRUE(d.frames[0].hasPicture);
  };
}

const uint16_t kSolid7 = format::typeSymbol(format::kSolid, 0, 7);

const std::vector<Case> kCases = {
    // File and header.
    {"empty_file", [] { return Bytes{}; }, rejected(ErrorKind::Truncated)},
    {"shorter_than_header",
     [] {
       Bytes b = example();
       b.resize(50);
       return b;
     },
     rejected(ErrorKind::Truncated)},
    {"unknown_signature",
     [] {
       Bytes b = example();
       b[3] = '3';
       return b;
     },
     rejected(ErrorKind::Unsupported)},
    // Sizes.
    {"width_zero", [] { return exampleWith(format::kWidthOffset, 0); },
     rejected(ErrorKind::Corrupt)},
    {"height_above_cap", [] { return exampleWith(format::kHeightOffset, 4097); },
     rejected(ErrorKind::TooLarge)},
    {"width_overflows_32_bits", [] { return exampleWith(format::kWidthOffset, 0xFFFFFFFF); },
     rejected(ErrorKind::TooLarge)},
    {"doubled_picture_above_cap",
     [] {
       Bytes b = exampleWith(format::kWidthOffset, 4096);
       base::writeLe32(&b[format::kHeightOffset], 4096);
       base::writeLe32(&b[format::kFlagsOffset], format::kFlagYDoubled);
       return b;
     },
     rejected(ErrorKind::TooLarge)},
    // Sizes that are not a multiple of 4: whole blocks only, the rest stays index 0.
    {"size_not_multiple_of_4",
     [] {
       TestMovie m = workedExample();
       m.width = 18;
       m.height = 6;
       return m.bytes();
     },
     [](Result<Movie>& m, const Decoded& d) {
       opened(m);
       ASSERT_EQ(d.pictures(), 1);
       const auto& pic = d.frames[0].picture;
       ASSERT_EQ(pic.size(), 18u * 6u);
       EXPECT_EQ(pic[0], 10);
       EXPECT_EQ(pic[3 * 18 + 15], 10);
       EXPECT_EQ(pic[16], 0);          // column 16, never written
       EXPECT_EQ(pic[4 * 18 + 3], 0);  // row 4, never written
     }},
    // Frame counts.
    {"no_frames_is_an_empty_movie",
     [] {
       TestMovie m = workedExample();
       m.frames.clear();
       return m.bytes();
     },
     [](Result<Movie>& m, const Decoded& d) {
       opened(m);
       EXPECT_EQ(m->header().storedFrames, 0u);
       EXPECT_TRUE(d.frames.empty());
     }},
    {"frame_count_above_cap", [] { return exampleWith(format::kFramesOffset, 0x1000000); },
     rejected(ErrorKind::TooLarge)},
    {"ring_frame_pushes_count_above_cap",
     [] {
       Bytes b = exampleWith(format::kFramesOffset, 0xFFFFFF);
       base::writeLe32(&b[format::kFlagsOffset], format::kFlagRingFrame);
       return b;
     },
     rejected(ErrorKind::TooLarge)},
    {"frame_tables_beyond_file", [] { return exampleWith(format::kFramesOffset, 1000); },
     rejected(ErrorKind::Truncated)},
    // Frame rate.
    {"frame_rate_zero_is_10_fps", [] { return exampleWith(format::kFrameRateOffset, 0); },
     [](Result<Movie>& m, const Decoded&) {
       opened(m);
       EXPECT_EQ(m->header().frameDuration, 10000u);
     }},
    {"frame_rate_negative_is_10us_units",
     [] { return exampleWith(format::kFrameRateOffset, static_cast<uint32_t>(-6667)); },
     [](Result<Movie>& m, const Decoded&) {
       opened(m);
       EXPECT_EQ(m->header().frameDuration, 6667u);
     }},
    {"frame_rate_int_min", [] { return exampleWith(format::kFrameRateOffset, 0x80000000u); },
     [](Result<Movie>& m, const Decoded&) {
       opened(m);
       EXPECT_EQ(m->header().frameDuration, 2147483648u);
     }},
    {"frame_rate_largest_accepted", [] { return exampleWith(format::kFrameRateOffset, 21474836); },
     [](Result<Movie>& m, const Decoded&) {
       opened(m);
       EXPECT_EQ(m->header().frameDuration, 2147483600u);
     }},
    {"frame_rate_above_cap", [] { return exampleWith(format::kFrameRateOffset, 21474837); },
     rejected(ErrorKind::TooLarge)},
    // Flags.
    {"unknown_flag_bits_ignored", [] { return exampleWith(format::kFlagsOffset, 0xFFFFFFF8u); },
     [](Result<Movie>& m, const Decoded& d) {
       opened(m);
       EXPECT_EQ(m->header().yScale, YScale::None);
       EXPECT_EQ(d.pictures(), 1);
     }},
    {"both_y_flags_mean_doubled",
     [] {
       return exampleWith(format::kFlagsOffset, format::kFlagYInterlaced | format::kFlagYDoubled);
     },
     [](Result<Movie>& m, const Decoded& d) {
       opened(m);
       EXPECT_EQ(m->header().yScale, YScale::Doubled);
       EXPECT_EQ(m->header().height, 4u);
       EXPECT_EQ(d.pictures(), 1);
     }},
    // Another audio codec: the track is skipped, the movie plays.
    {"bink_audio_track_skipped",
     [] {
       return withAudio({1, 2, 3, 4, 5, 6, 7, 8}, 0x48000000u | 22050).bytes();
     },
     [](Result<Movie>& m, const Decoded& d) {
       plays(1)(m, d);
       EXPECT_EQ(m->header().audio[0].codec, AudioCodec::BinkRdft);
       EXPECT_TRUE(d.audio[0].empty());
     }},
    // Tree block.
    {"tree_block_beyond_file", [] { return exampleWith(format::kTreesSizeOffset, 10000); },
     rejected(ErrorKind::Truncated)},
    {"tree_size_field_absurd",
     [] { return exampleWith(format::treeSizeOffset(format::kTypeTree), 0xFFFFFFFF); },
     rejected(ErrorKind::Corrupt)},
    {"tree_block_size_zero", [] { return exampleWith(format::kTreesSizeOffset, 0); },
     rejected(ErrorKind::Corrupt)},
    // 8-bit trees.
    {"byte_tree_with_257_leaves", [] { return withTrees(wideByteTree(9)).bytes(); },
     rejected(ErrorKind::Corrupt)},
    {"byte_tree_with_256_leaves", [] { return withTrees(wideByteTree(8)).bytes(); },
     [](Result<Movie>& m, const Decoded&) { opened(m); }},
    {"byte_tree_deeper_than_27", [] { return withTrees(deepByteTree(29)).bytes(); },
     rejected(ErrorKind::Corrupt)},
    {"byte_tree_27_deep", [] { return withTrees(deepByteTree(28)).bytes(); },
     [](Result<Movie>& m, const Decoded&) { opened(m); }},
    {"audio_tree_deeper_than_27",
     [] {
       BitWriter w;
       w.bits("100");  // data, mono, 8-bit
       w.bit(1);
       for (int i = 0; i < 28; ++i) w.bit(1);
       return withAudio([&] {
                Bytes p = {4, 0, 0, 0};
                Bytes bits = w.bytes();
                p.insert(p.end(), bits.begin(), bits.end());
                p.resize(p.size() + 40, 0);
                return p;
              }())
           .bytes();
     },
     audioDropped()},
    // 16-bit trees.
    {"video_tree_larger_than_size_field",
     [] {
       TestMovie m = workedExample();
       m.treeSizes[3] = 24;
       return m.bytes();
     },
     rejected(ErrorKind::Corrupt)},
    {"video_tree_exactly_fits_size_field",
     [] {
       TestMovie m = workedExample();
       m.treeSizes[3] = 25;
       return m.bytes();
     },
     plays(1)},
    {"video_tree_nested_501_deep",
     [] { return combMovie(16, 4, std::vector<uint16_t>(502, kSolid7), "").bytes(); },
     rejected(ErrorKind::Corrupt)},
    {"video_tree_nested_500_deep",
     [] { return combMovie(16, 4, std::vector<uint16_t>(501, kSolid7), "0000").bytes(); },
     plays(1)},
    // Cache slots no leaf refers to still exist and stay unreachable.
    {"escapes_matching_no_leaf",
     [] {
       return combMovie(16, 4, {kSolid7, format::typeSymbol(format::kSolid, 0, 9)}, "0101").bytes();
     },
     [](Result<Movie>& m, const Decoded& d) {
       plays(1)(m, d);
       EXPECT_EQ(d.frames[0].picture[0], 7);
       EXPECT_EQ(d.frames[0].picture[4], 9);
     }},
    // Absent and single-leaf trees.
    {"all_video_trees_absent", [] { return withTrees({0x00}).bytes(); },
     rejected(ErrorKind::Corrupt)},
    {"single_leaf_tree_takes_no_bits",
     [] { return combMovie(16, 4, {format::typeSymbol(format::kSolid, 63, 5)}, "1").bytes(); },
     [](Result<Movie>& m, const Decoded& d) {
       plays(1)(m, d);
       EXPECT_EQ(d.frames[0].picture[15], 5);
     }},
    // Codes that run past the end of the data; the reader never leaves its buffer.
    {"long_code_past_end_of_data",
     [] {
       std::vector<uint16_t> types;
       for (int i = 0; i < 20; ++i) types.push_back(format::typeSymbol(format::kSolid, 0, i));
       TestMovie m = combMovie(16, 4, types, "");  // 32 one bits: a 19-bit code, then 13 bits
       m.frames[0].video = {0xFF, 0xFF, 0xFF, 0xFF};
       return m.bytes();
     },
     [](Result<Movie>& m, const Decoded& d) {
       opened(m);
       EXPECT_EQ(d.pictures(), 0);
       expectDamage(d, 0, Part::Video, false);
     }},
    {"video_data_ends_early_next_frame_plays",
     [] {
       TestMovie m = combMovie(64, 16, {kSolid7, format::typeSymbol(format::kSolid, 0, 9)},
                               "0101");  // 64 blocks, 32 bits
       TestFrame f;
       f.video = Bytes(8, 0);
       m.frames.push_back(f);
       return m.bytes();
     },
     [](Result<Movie>& m, const Decoded& d) {
       opened(m);
       ASSERT_EQ(d.frames.size(), 2u);
       expectDamage(d, 0, Part::Video, false);
       EXPECT_FALSE(d.frames[0].hasPicture);
       EXPECT_TRUE(d.frames[1].hasPicture);
       EXPECT_FALSE(d.frames[1].damage);
     }},
    {"frame_without_video_data",
     [] {
       TestMovie m = workedExample();
       m.frames[0].video.clear();
       return m.bytes();
     },
     [](Result<Movie>& m, const Decoded& d) {
       opened(m);
       EXPECT_EQ(d.pictures(), 0);
       expectDamage(d, 0, Part::Video, false);
     }},
    // Frame sizes.
    {"frame_size_beyond_file",
     [] {
       TestMovie m = workedExample();
       m.frames[0].sizeOverride = 0x1000;
       m.frames.push_back(m.frames[0]);
       return m.bytes();
     },
     [](Result<Movie>& m, const Decoded& d) {
       opened(m);
       ASSERT_EQ(d.frames.size(), 1u);  // the movie ends with the frame the file ends in
       expectDamage(d, 0, Part::Video, true);
       EXPECT_EQ(d.frames[0].damage->kind, ErrorKind::Truncated);
     }},
    {"frame_smaller_than_its_palette",
     [] {
       TestMovie m = workedExample();
       m.frames.push_back(m.frames[0]);
       m.frames[0].sizeOverride = 4;
       return m.bytes();
     },
     [](Result<Movie>& m, const Decoded& d) {
       opened(m);
       ASSERT_EQ(d.frames.size(), 2u);  // the next frame is read at its own offset
       expectDamage(d, 0, Part::Palette, true);
     }},
    {"frame_size_far_beyond_file",
     [] {
       TestMovie m = workedExample();
       m.frames[0].sizeOverride = 0xFFFFFFFC;
       return m.bytes();
     },
     [](Result<Movie>& m, const Decoded& d) {
       opened(m);
       ASSERT_EQ(d.frames.size(), 1u);
       EXPECT_EQ(d.frames[0].damage->kind, ErrorKind::Truncated);
     }},
    // Palette chunks.
    {"palette_longer_than_frame",
     [] {
       TestMovie m = workedExample();
       m.frames[0].palette[0] = 0xFF;
       return m.bytes();
     },
     [](Result<Movie>& m, const Decoded& d) {
       opened(m);
       expectDamage(d, 0, Part::Palette, true);
       EXPECT_EQ(d.frames[0].palette[10], (Rgb{0, 0, 0}));
     }},
    {"copy_source_past_256",
     [] {
       TestMovie m = workedExample();
       m.frames[0].palette = {0x01, 0x7F, 0xF0, 0x00};
       return m.bytes();
     },
     [](Result<Movie>& m, const Decoded& d) {
       opened(m);
       expectDamage(d, 0, Part::Palette, true);
     }},
    {"copy_ending_exactly_at_256",
     [] {
       TestMovie m = workedExample();
       m.frames[0].palette = {0x02, 0xFF, 0xFD, 0x41, 0xFE, 0x00, 0x00, 0x00};
       return m.bytes();
     },
     plays(1)},
    {"commands_short_of_256_read_on_into_the_frame",
     [] {
       TestMovie m = workedExample();
       m.frames[0].palette = {0x01, 0x80, 0x80, 0x80};  // 3 entries, then the video bytes
       m.frames[0].video = {0xFF, 0xFF};                // KEEP 128 twice; as video: SOLID 11
       return m.bytes();
     },
     [](Result<Movie>& m, const Decoded& d) {
       plays(1)(m, d);
       EXPECT_EQ(d.frames[0].picture[0], 11);
     }},
    {"commands_never_reaching_256",
     [] {
       TestMovie m = workedExample();
       m.frames[0].palette = {0x01, 0x80, 0x80, 0x80};
       m.frames[0].video = {0x8d};
       return m.bytes();
     },
     [](Result<Movie>& m, const Decoded& d) {
       opened(m);
       expectDamage(d, 0, Part::Palette, true);
     }},
    // Audio chunks.
    {"audio_chunk_shorter_than_its_header",
     [] {
       TestMovie m = withAudio(packed8MonoPayload());
       m.frames[0].audioLengthOverride[0] = 2;
       return m.bytes();
     },
     [](Result<Movie>& m, const Decoded& d) {
       opened(m);
       expectDamage(d, 0, Part::Audio, true);
     }},
    {"audio_chunk_longer_than_frame",
     [] {
       TestMovie m = withAudio(packed8MonoPayload());
       m.frames[0].audioLengthOverride[0] = 1000;
       return m.bytes();
     },
     [](Result<Movie>& m, const Decoded& d) {
       opened(m);
       expectDamage(d, 0, Part::Audio, true);
     }},
    {"decoded_size_zero",
     [] {
       return withAudio({0, 0, 0, 0, 0x29, 0, 0x20}).bytes();
     },
     audioDropped()},
    {"decoded_size_above_16_MiB",
     [] {
       return withAudio({0, 0, 0, 2, 0x29, 0, 0x20}).bytes();
     },
     audioDropped()},
    {"decoded_size_not_whole_samples",
     [] {
       return withAudio({5, 0, 0, 0, 0x2D, 0x40, 0x01, 0x24, 0x68, 0}, kPacked16Mono).bytes();
     },
     audioDropped()},
    {"stereo_bit_disagrees_with_header",
     [] { return withAudio(packed8MonoPayload(), kPacked8Mono | 0x10000000).bytes(); },
     audioDropped()},
    {"decoded_size_above_header_hint",
     [] {
       TestMovie m = withAudio({0x00, 0x10, 0x00, 0x00, 0x29, 0x00, 0x20});  // 4096 samples
       m.audioSize[0] = 4;
       return m.bytes();
     },
     [](Result<Movie>& m, const Decoded& d) {
       plays(1)(m, d);
       ASSERT_EQ(d.audio[0].size(), 4096u);
       EXPECT_EQ(d.audio[0][4095], static_cast<uint8_t>(0x80 + 4095));
     }},
    {"packed_data_ends_early",
     [] {
       return withAudio({0x00, 0x01, 0x00, 0x00, 0x2D, 0x00}).bytes();
     },
     audioDropped()},
    // Audio for a track the header does not have.
    {"audio_chunk_for_absent_track", [] { return withAudio(packed8MonoPayload(), 0).bytes(); },
     [](Result<Movie>& m, const Decoded& d) {
       plays(1)(m, d);
       EXPECT_TRUE(d.audio[0].empty());
     }},
    // Video bitstream.
    {"run_longer_than_blocks_left",
     [] { return combMovie(16, 4, {format::typeSymbol(format::kSolid, 63, 4)}, "0").bytes(); },
     [](Result<Movie>& m, const Decoded& d) {
       plays(1)(m, d);
       EXPECT_EQ(d.frames[0].picture[63], 4);
     }},
    {"full_block_mode_bits_past_end",
     [] {
       TestMovie m = combMovie(80, 4, {format::typeSymbol(format::kFull, 0)},
                               "");  // 20 FULL blocks, 2 mode bits each
       m.signature = "SMK4";
       m.frames[0].video = {0, 0, 0, 0};
       return m.bytes();
     },
     [](Result<Movie>& m, const Decoded& d) {
       opened(m);
       EXPECT_EQ(d.pictures(), 0);
       expectDamage(d, 0, Part::Video, false);
     }},
    // Blocks frame 0 leaves alone show index 0.
    {"first_frame_skips_blocks",
     [] {
       return combMovie(16, 4, {format::typeSymbol(format::kSkip, 0), kSolid7}, "0101").bytes();
     },
     [](Result<Movie>& m, const Decoded& d) {
       plays(1)(m, d);
       EXPECT_EQ(d.frames[0].picture[0], 0);
       EXPECT_EQ(d.frames[0].picture[4], 7);
     }},
    // Bytes after the last frame.
    {"bytes_after_last_frame",
     [] {
       Bytes b = example();
       b.resize(b.size() + 100, 0xAB);
       return b;
     },
     [](Result<Movie>& m, const Decoded& d) {
       plays(1)(m, d);
       EXPECT_EQ(d.frames[0].picture[4], 11);
     }},
    // Ring frame.
    {"ring_frame_is_stored_after_the_others",
     [] {
       TestMovie m = workedExample();
       m.flags = 1;
       m.frames.push_back(m.frames[0]);
       return m.bytes();
     },
     [](Result<Movie>& m, const Decoded& d) {
       plays(2)(m, d);
       EXPECT_EQ(m->header().frames, 1u);
       EXPECT_EQ(m->header().storedFrames, 2u);
     }},
    // Rewinding restores the black palette and the empty picture.
    {"rewind_restarts_with_initial_palette",
     [] {
       TestMovie m = workedExample();
       m.frames.push_back(m.frames[0]);
       m.frames[0].palette.clear();
       return m.bytes();
     },
     [](Result<Movie>& m, const Decoded& d) {
       opened(m);
       ASSERT_EQ(d.frames.size(), 2u);
       EXPECT_EQ(d.frames[1].palette[10], (Rgb{0xFF, 0, 0}));
       ASSERT_TRUE(m->rewind().ok());
       const Frame* f = m->decodeNextFrame();
       ASSERT_NE(f, nullptr);
       EXPECT_EQ(f->index, 0u);
       EXPECT_EQ((*f->palette)[10], (Rgb{0, 0, 0}));
       EXPECT_FALSE(f->paletteChanged);
     }},
    // Zero-bit codes: the work is bounded by the number of blocks.
    {"zero_bit_codes_fill_a_large_picture",
     [] { return combMovie(1024, 1024, {format::typeSymbol(format::kSolid, 0, 3)}, "0").bytes(); },
     [](Result<Movie>& m, const Decoded& d) {
       plays(1)(m, d);
       EXPECT_EQ(d.frames[0].picture.back(), 3);
     }},
};

class Robustness : public ::testing::TestWithParam<Case> {};

TEST_P(Robustness, ReaderSurvives) {
  const Bytes bytes = GetParam().make();
  auto movie = Movie::openMemory(bytes);
  Decoded decoded;
  if (movie.ok()) decoded = decodeAll(*movie);
  GetParam().check(movie, decoded);
}

INSTANTIATE_TEST_SUITE_P(Classes, Robustness, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) {
                           return std::string(info.param.name);
                         });

// What the library can do for the program: a missing or unreadable file, a file that
// shrinks while it plays, a movie without sound.
TEST(RobustnessProgram, MissingOrUnreadableFileIsAnIoError) {
  auto missing = Movie::open("/nonexistent/INTRO.SMK");
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.error().kind, ErrorKind::Io);
  auto directory = Movie::open(std::filesystem::temp_directory_path().string());
  ASSERT_FALSE(directory.ok());
}

TEST(RobustnessProgram, FileShrinkingWhilePlayingEndsTheMovie) {
  TestMovie m = workedExample();
  m.frames.resize(4000, m.frames[0]);  // 64 KB of frames: more than any read buffer
  const Bytes bytes = m.bytes();
  const auto path = std::filesystem::temp_directory_path() / "smk_shrinking_test.smk";
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  auto movie = Movie::open(path.string());
  ASSERT_TRUE(movie.ok());
  ASSERT_NE(movie->decodeNextFrame(), nullptr);
  std::filesystem::resize_file(path, bytes.size() / 2 + 7);
  uint32_t frames = 1;
  const Frame* last = nullptr;
  while (const Frame* f = movie->decodeNextFrame()) {
    last = f;
    ++frames;
  }
  std::filesystem::remove(path);
  EXPECT_LT(frames, 4000u);
  ASSERT_NE(last, nullptr);
  EXPECT_FALSE(last->hasPicture);
  ASSERT_TRUE(last->damage);
  EXPECT_EQ(last->damage->kind, ErrorKind::Truncated);
}

TEST(RobustnessProgram, MovieWithoutAudioGivesNoSamples) {
  auto movie = Movie::openMemory(example());
  ASSERT_TRUE(movie.ok());
  for (const AudioTrack& t : movie->header().audio) EXPECT_FALSE(t.present());
  const Frame* f = movie->decodeNextFrame();
  ASSERT_NE(f, nullptr);
  for (const auto& samples : f->audio) EXPECT_TRUE(samples.empty());
}

// Inputs the fuzzer found: each must open or be rejected, and decode, without a fault.
TEST(RobustnessProgram, FuzzFindingsStayFixed) {
  for (const auto& entry : std::filesystem::directory_iterator(SMK_REGRESSIONS_DIR)) {
    if (entry.path().extension() != ".smk") continue;
    SCOPED_TRACE(entry.path().filename().string());
    std::ifstream in(entry.path(), std::ios::binary);
    const Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    auto movie = Movie::openMemory(bytes);
    if (!movie.ok()) continue;
    for (int pass = 0; pass < 2; ++pass) {
      decodeAll(*movie);
      ASSERT_TRUE(movie->rewind().ok());
    }
  }
}

}  // namespace
}  // namespace smk::test
