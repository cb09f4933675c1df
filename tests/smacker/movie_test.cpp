// The reader on small hand-made movies whose output is known: tree cache, palette commands,
// audio, changed rectangles and how they join, long codes, file versus memory, rewinding.
#include "smk/movie.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "decode_all.h"
#include "test_movie.h"

namespace smk::test {
namespace {

constexpr Rgb kBlack{0, 0, 0}, kRed{0xFF, 0, 0}, kGreen{0, 0xFF, 0};

Decoded decodeBytes(const std::vector<uint8_t>& bytes) {
  auto movie = Movie::openMemory(bytes);
  EXPECT_TRUE(movie.ok()) << movie.error().describe();
  if (!movie) return {};
  return decodeAll(*movie);
}

// Colour index of pixel (x, y) of a picture `width` wide.
uint8_t at(const FrameRecord& f, uint32_t width, uint32_t x, uint32_t y) {
  return f.picture[y * width + x];
}

TEST(Movie, WorkedExampleUsesTheTreeCacheLikeFfmpeg) {
  auto bytes = workedExample().bytes();
  ASSERT_EQ(bytes.size(), 142u);
  auto movie = Movie::openMemory(bytes);
  ASSERT_TRUE(movie.ok());
  const Header& h = movie->header();
  EXPECT_EQ(h.width, 16u);
  EXPECT_EQ(h.height, 4u);
  EXPECT_EQ(h.storedFrames, 1u);
  EXPECT_EQ(h.frameDuration, 10000u);
  Decoded d = decodeAll(*movie);
  ASSERT_EQ(d.frames.size(), 1u);
  const FrameRecord& f = d.frames[0];
  ASSERT_TRUE(f.hasPicture);
  EXPECT_FALSE(f.damage);
  // Blocks: SOLID 10, SOLID 11, cache slot 1 (= 10), cache slot 2 (= 10 after the shift).
  for (uint32_t y = 0; y < 4; ++y) {
    EXPECT_EQ(at(f, 16, 1, y), 10);
    EXPECT_EQ(at(f, 16, 5, y), 11);
    EXPECT_EQ(at(f, 16, 9, y), 10);
    EXPECT_EQ(at(f, 16, 13, y), 10);
  }
  EXPECT_EQ(f.palette[10], kRed);
  EXPECT_EQ(f.palette[11], kGreen);
  EXPECT_EQ(f.palette[0], kBlack);
  EXPECT_EQ(f.palette[255], kBlack);
  EXPECT_TRUE(f.paletteChanged);
}

TEST(Movie, PaletteLiteralsExpandSixBitsAndCopyReadsTheOldPalette) {
  TestMovie m = workedExample();
  // Frame 0: entries 0..2 literal, KEEP the rest.
  m.frames[0].palette = {0x04, 0x30, 0x10, 0x3F, 0x01, 0x0F, 0x20, 0x2F,
                         0x1F, 0x00, 0xFF, 0xFC, 0x00, 0x00, 0x00, 0x00};
  // Frame 1: COPY old 0..1 to 1..2 (overlapping), then KEEP everything else (runs past 256).
  TestFrame f1;
  f1.palette = {0x01, 0x80, 0x41, 0x00, 0xFF, 0xFF, 0x00, 0x00};
  f1.video = {0x8d};
  m.frames.push_back(f1);
  Decoded d = decodeBytes(m.bytes());
  ASSERT_EQ(d.frames.size(), 2u);
  const Palette& p0 = d.frames[0].palette;
  EXPECT_EQ(p0[0], (Rgb{0xC3, 0x41, 0xFF}));  // 48, 16, 63
  EXPECT_EQ(p0[1], (Rgb{0x04, 0x3C, 0x82}));  // 1, 15, 32
  EXPECT_EQ(p0[2], (Rgb{0xBE, 0x7D, 0x00}));  // 47, 31, 0
  const Palette& p1 = d.frames[1].palette;
  EXPECT_EQ(p1[0], p0[0]);
  EXPECT_EQ(p1[1], p0[0]);
  EXPECT_EQ(p1[2], p0[1]);
  EXPECT_EQ(p1[3], p0[3]);
}

TEST(Movie, PackedAudioDecodesTheDocumentedExamples) {
  TestMovie m = workedExample();
  m.audioRate[0] = kPacked8Mono;
  m.audioRate[3] = kPacked16Mono;
  m.frames[0].audio[0] = packed8MonoPayload();
  m.frames[0].audio[3] = packed16MonoPayload();
  auto movie = Movie::openMemory(m.bytes());
  ASSERT_TRUE(movie.ok());
  EXPECT_EQ(movie->header().audio[0].codec, AudioCodec::SmackerDpcm);
  EXPECT_EQ(movie->header().audio[3].bitsPerSample, 16);
  EXPECT_FALSE(movie->header().audio[1].present());
  Decoded d = decodeAll(*movie);
  EXPECT_EQ(d.audio[0], (std::vector<uint8_t>{0x80, 0x81, 0x82, 0x83}));
  EXPECT_EQ(d.audio[3], (std::vector<uint8_t>{0x34, 0x12, 0x35, 0x13, 0x36, 0x14}));
  EXPECT_TRUE(d.frames[0].hasPicture);
}

TEST(Movie, RawAudioPassesThroughWholeSamples) {
  TestMovie m = workedExample();
  m.audioRate[0] = 0x40000000 | 8000;            // 8-bit mono raw
  m.audioRate[1] = 0x70000000 | 8000;            // 16-bit stereo raw
  m.frames[0].audio[0] = {1, 2, 3, 4, 5};        // all bytes, the first four included
  m.frames[0].audio[1] = {1, 2, 3, 4, 5, 6, 7};  // one whole sample frame, 3 bytes over
  Decoded d = decodeBytes(m.bytes());
  EXPECT_EQ(d.audio[0], (std::vector<uint8_t>{1, 2, 3, 4, 5}));
  EXPECT_EQ(d.audio[1], (std::vector<uint8_t>{1, 2, 3, 4}));
}

TEST(Movie, ChangedRectanglesCoverTheWrittenBlocks) {
  TestMovie m;
  m.width = 16;
  m.height = 12;  // 4 x 3 blocks
  // Leaves: SKIP 1 block, SOLID 2 blocks colour 5, SKIP 4 blocks, SOLID 12 blocks colour 1.
  const std::vector<uint16_t> types = {
      format::typeSymbol(format::kSkip, 0), format::typeSymbol(format::kSolid, 1, 5),
      format::typeSymbol(format::kSkip, 3), format::typeSymbol(format::kSolid, 11, 1)};
  m.trees = typeTreeComb(types, m.treeSizes[3]);
  auto code = [&](size_t i) { return combCode(i, types.size()); };
  TestFrame f0;
  f0.palette = redGreenPalette();
  f0.video = videoBits(code(3));
  TestFrame f1;
  // Row 0: skip, solid, solid, skip; rows 1-2: skip all but block (1,1) and (2,1).
  f1.video = videoBits(code(0) + code(1) + code(0) + code(0) + code(1) + code(2) + code(2));
  m.frames = {f0, f1};
  Decoded d = decodeBytes(m.bytes());
  ASSERT_EQ(d.frames.size(), 2u);
  EXPECT_EQ(d.frames[0].rects, (std::vector<Rect>{{0, 0, 16, 12}}));
  EXPECT_EQ(d.frames[1].rects, (std::vector<Rect>{{4, 0, 8, 8}}));
  EXPECT_EQ(at(d.frames[1], 16, 4, 0), 5);
  EXPECT_EQ(at(d.frames[1], 16, 0, 0), 1);
  EXPECT_EQ(at(d.frames[1], 16, 15, 11), 1);
}

TEST(Movie, ChangedRectanglesJoinOnlyEqualColumnsOfAdjacentRows) {
  // 4 x 4 blocks. Frame 0 paints everything; frame 1 writes the blocks each case names.
  enum Leaf { kSkip1, kSkip4, kSolid1, kSolid2, kSolid4, kSolid6, kSolid16 };
  const std::vector<uint16_t> types = {
      format::typeSymbol(format::kSkip, 0),     format::typeSymbol(format::kSkip, 3),
      format::typeSymbol(format::kSolid, 0, 5), format::typeSymbol(format::kSolid, 1, 5),
      format::typeSymbol(format::kSolid, 3, 5), format::typeSymbol(format::kSolid, 5, 5),
      format::typeSymbol(format::kSolid, 15, 1)};
  struct Case {
    const char* name;
    std::vector<Leaf> blocks;  // runs covering the 16 blocks, row by row
    std::vector<Rect> rects;
  };
  const Case cases[] = {
      {"equal columns in adjacent rows join",
       {kSkip1, kSolid2, kSkip1, kSkip1, kSolid2, kSkip1, kSkip4, kSkip4},
       {{4, 0, 8, 8}}},
      {"a narrower row below starts a rectangle of its own",
       {kSkip1, kSolid2, kSkip1, kSkip1, kSolid1, kSkip1, kSkip1, kSkip4, kSkip4},
       {{4, 0, 8, 4}, {4, 4, 4, 4}}},
      {"equal widths at other columns do not join",
       {kSolid2, kSkip1, kSkip1, kSkip1, kSolid2, kSkip1, kSkip4, kSkip4},
       {{0, 0, 8, 4}, {4, 4, 8, 4}}},
      {"an unchanged row between equal rows keeps them apart",
       {kSkip1, kSolid2, kSkip1, kSkip4, kSkip1, kSolid2, kSkip1, kSkip4},
       {{4, 0, 8, 4}, {4, 8, 8, 4}}},
      {"skipped blocks between two changed ones of a row are inside its rectangle",
       {kSolid1, kSkip1, kSkip1, kSolid1, kSkip4, kSkip4, kSkip4},
       {{0, 0, 16, 4}}},
      {"a run across a row end changes the end of one row and the start of the next",
       {kSkip1, kSkip1, kSolid6, kSkip4, kSkip4},
       {{8, 0, 8, 4}, {0, 4, 16, 4}}},
      {"a skip across a row end changes nothing in either row",
       {kSkip1, kSolid1, kSkip4, kSolid1, kSkip1, kSkip4, kSkip4},
       {{4, 0, 4, 4}, {8, 4, 4, 4}}},
      {"two joined rows, then two joined narrower rows",
       {kSolid4, kSolid4, kSkip1, kSolid2, kSkip1, kSkip1, kSolid2, kSkip1},
       {{0, 0, 16, 8}, {4, 8, 8, 8}}},
      {"a frame of skips only changes nothing", {kSkip4, kSkip4, kSkip4, kSkip4}, {}},
  };
  for (const Case& c : cases) {
    TestMovie m;
    m.width = 16;
    m.height = 16;
    m.trees = typeTreeComb(types, m.treeSizes[3]);
    std::string codes;
    for (Leaf leaf : c.blocks) codes += combCode(leaf, types.size());
    TestFrame f0;
    f0.palette = redGreenPalette();
    f0.video = videoBits(combCode(kSolid16, types.size()));
    TestFrame f1;
    f1.video = videoBits(codes);
    m.frames = {f0, f1};
    Decoded d = decodeBytes(m.bytes());
    ASSERT_EQ(d.frames.size(), 2u) << c.name;
    EXPECT_FALSE(d.frames[1].damage) << c.name;
    EXPECT_EQ(d.frames[1].rects, c.rects) << c.name;
  }
}

TEST(Movie, CodesLongerThanTheLookupTableDecode) {
  TestMovie m;
  std::vector<uint16_t> types;
  for (int i = 0; i < 24; ++i)
    types.push_back(format::typeSymbol(format::kSolid, 0, 0xC0 + i));  // values >= 0x8000
  m.trees = typeTreeComb(types, m.treeSizes[3]);
  TestFrame f;
  f.palette = redGreenPalette();
  // Codes of 23, 14, 13 and 2 bits (the lookup table takes 12).
  f.video = videoBits(combCode(23, 24) + combCode(13, 24) + combCode(12, 24) + combCode(1, 24));
  m.frames = {f};
  Decoded d = decodeBytes(m.bytes());
  ASSERT_EQ(d.pictures(), 1);
  EXPECT_EQ(at(d.frames[0], 16, 0, 0), 0xC0 + 23);
  EXPECT_EQ(at(d.frames[0], 16, 4, 3), 0xC0 + 13);
  EXPECT_EQ(at(d.frames[0], 16, 8, 0), 0xC0 + 12);
  EXPECT_EQ(at(d.frames[0], 16, 15, 3), 0xC0 + 1);
}

TEST(Movie, FileAndMemoryAndRewindGiveTheSameFrames) {
  TestMovie m = workedExample();
  TestFrame f1;
  f1.video = {0x1d};  // codes 10, 11, 10, 00
  m.frames.push_back(f1);
  m.audioRate[0] = kPacked8Mono;
  m.frames[1].audio[0] = packed8MonoPayload();
  const auto bytes = m.bytes();
  const auto path = std::filesystem::temp_directory_path() / "smk_movie_test.smk";
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));

  auto fromFile = Movie::open(path.string());
  ASSERT_TRUE(fromFile.ok()) << fromFile.error().describe();
  Decoded a = decodeAll(*fromFile);
  ASSERT_TRUE(fromFile->rewind().ok());
  Decoded b = decodeAll(*fromFile);
  Decoded c = decodeBytes(bytes);
  std::filesystem::remove(path);
  ASSERT_EQ(a.frames.size(), 2u);
  for (const Decoded* other : {&b, &c}) {
    ASSERT_EQ(other->frames.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
      EXPECT_EQ(other->frames[i].picture, a.frames[i].picture);
      EXPECT_EQ(other->frames[i].palette, a.frames[i].palette);
    }
    EXPECT_EQ(other->audio, a.audio);
  }
}

}  // namespace
}  // namespace smk::test
