// Decoding frames allocates nothing once the movie is open: counted with a replaced global
// operator new in this test program.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "smk/movie.h"
#include "test_movie.h"

namespace {
bool counting = false;
long allocations = 0;
}  // namespace

// GCC takes free() in a replaced operator delete for a mismatch with operator new; here both
// are ours and use malloc/free.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpragmas"
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t n) {
  if (counting) ++allocations;
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace smk::test {
namespace {

TEST(Allocation, DecodingAndRewindingAllocateNothing) {
  TestMovie m = workedExample();
  m.audioRate[0] = kPacked8Mono;
  m.audioRate[1] = 0x70000000 | 8000;  // raw 16-bit stereo
  m.audioSize[0] = 4;
  m.frames[0].audio[0] = packed8MonoPayload();
  m.frames[0].audio[1] = {1, 2, 3, 4, 5, 6, 7, 8};
  m.frames.resize(10, m.frames[0]);
  m.frames[3].video.clear();  // a damaged frame on the way
  const std::vector<uint8_t> bytes = m.bytes();
  auto movie = Movie::openMemory(bytes);
  ASSERT_TRUE(movie.ok());

  counting = true;
  int frames = 0;
  for (int pass = 0; pass < 2; ++pass) {
    while (movie->decodeNextFrame()) ++frames;
    (void)movie->rewind();
  }
  counting = false;
  EXPECT_EQ(frames, 20);
  EXPECT_EQ(allocations, 0);
}

}  // namespace
}  // namespace smk::test
