// Where a movie's bytes come from. Movie::open takes a file name or memory; a program with
// its own way of reading files (its platform's file API, a network stream) gives the Movie a
// Reader of its own and the Movie streams each frame from it as the frame is decoded.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "smk/error.h"

namespace smk {

class Reader {
 public:
  virtual ~Reader() = default;

  // The size of the data, fixed when the reader was made.
  virtual uint64_t size() const = 0;

  // Copies bytes from `offset` on into `dst`: the number copied, which may be fewer than
  // asked (the Movie asks again for the rest) and is 0 only at or past the end of the data;
  // or an Error (kind Io) when the data cannot be read, for example because the medium went
  // away. A failed read ends the movie after the frame being read.
  virtual Result<size_t> read(uint64_t offset, std::span<uint8_t> dst) = 0;
};

}  // namespace smk
