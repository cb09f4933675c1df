// Movies streamed from a caller's reader: readers that deliver a few bytes at a time, and
// readers that fail while the movie is open.
#include "smk/reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "decode_all.h"
#include "smk/movie.h"
#include "test_movie.h"

namespace smk::test {
namespace {

// Serves `bytes` at most `step` bytes a call and fails every read that touches `failFrom` or
// anything after it.
class FlakyReader : public Reader {
 public:
  FlakyReader(std::vector<uint8_t> bytes, size_t step, uint64_t failFrom = UINT64_MAX)
      : bytes_(std::move(bytes)), step_(step), failFrom_(failFrom) {}
  uint64_t size() const override { return bytes_.size(); }
  Result<size_t> read(uint64_t offset, std::span<uint8_t> dst) override {
    if (offset >= bytes_.size()) return size_t{0};
    const size_t n = std::min({dst.size(), step_, size_t(bytes_.size() - offset)});
    if (offset + n > failFrom_) return Error{ErrorKind::Io, Part::File, "gone", offset};
    std::memcpy(dst.data(), bytes_.data() + offset, n);
    return n;
  }

 private:
  std::vector<uint8_t> bytes_;
  size_t step_;
  uint64_t failFrom_;
};

// Three frames with audio, so that every frame chunk has several parts to read.
TestMovie threeFrames() {
  TestMovie m = workedExample();
  m.audioRate[0] = kPacked8Mono;
  for (int i = 0; i < 2; ++i) {
    TestFrame f;
    f.video = {0x1d};
    f.audio[0] = packed8MonoPayload();
    m.frames.push_back(f);
  }
  return m;
}

TEST(Reader, ShortReadsGiveTheSameMovieAsMemory) {
  const auto bytes = threeFrames().bytes();
  auto fromMemory = Movie::openMemory(bytes);
  ASSERT_TRUE(fromMemory.ok());
  const Decoded expected = decodeAll(*fromMemory);
  ASSERT_EQ(expected.pictures(), 3);
  for (size_t step : {1, 3, 7, 64}) {
    auto movie = Movie::open(std::make_unique<FlakyReader>(bytes, step));
    ASSERT_TRUE(movie.ok()) << "step " << step << ": " << movie.error().describe();
    const Decoded d = decodeAll(*movie);
    ASSERT_EQ(d.frames.size(), 3u) << "step " << step;
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(d.frames[i].picture, expected.frames[i].picture);
    EXPECT_EQ(d.audio, expected.audio) << "step " << step;
  }
}

TEST(Reader, FailuresWhileOpeningAreIoErrors) {
  const auto bytes = threeFrames().bytes();
  for (uint64_t failFrom : {0u, 50u, kHeaderSize + 3}) {
    auto movie = Movie::open(std::make_unique<FlakyReader>(bytes, 16, failFrom));
    ASSERT_FALSE(movie.ok()) << failFrom;
    EXPECT_EQ(movie.error().kind, ErrorKind::Io) << failFrom;
  }
  auto none = Movie::open(std::unique_ptr<Reader>());
  ASSERT_FALSE(none.ok());
  EXPECT_EQ(none.error().kind, ErrorKind::Io);
}

TEST(Reader, AFailureMidMovieEndsItAfterTheFrameBeingRead) {
  const TestMovie m = threeFrames();
  const auto bytes = m.bytes();
  // The last chunk (audio length field, payload, one video byte, padded to 4) ends the file.
  const uint64_t lastFrame = bytes.size() - ((4 + packed8MonoPayload().size() + 1 + 3) & ~3u);
  auto movie = Movie::open(std::make_unique<FlakyReader>(bytes, 5, lastFrame + 2));
  ASSERT_TRUE(movie.ok());
  const Decoded d = decodeAll(*movie);
  ASSERT_EQ(d.frames.size(), 3u);
  EXPECT_TRUE(d.frames[1].hasPicture);
  EXPECT_FALSE(d.frames[1].damage);
  const FrameRecord& failed = d.frames[2];
  EXPECT_FALSE(failed.hasPicture);
  EXPECT_TRUE(failed.layoutBroken);
  ASSERT_TRUE(failed.damage);
  EXPECT_EQ(failed.damage->kind, ErrorKind::Io);
  EXPECT_EQ(failed.damage->frame, 2);
  EXPECT_EQ(movie->decodeNextFrame(), nullptr);
}

}  // namespace
}  // namespace smk::test
