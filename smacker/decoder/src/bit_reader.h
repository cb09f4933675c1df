// LSB-first bit reader over a buffer followed by kPadding zero bytes, so that reads past the
// end yield zero bits without a bounds check; callers compare bitsLeft() where the format (and
// FFmpeg) decide what running out means.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace smk::detail {

static_assert(std::endian::native == std::endian::little,
              "the bit reader loads little-endian words");

class BitReader {
 public:
  static constexpr size_t kPadding = 16;

  BitReader(const uint8_t* data, size_t size)
      : data_(data), sizeBits_(static_cast<int64_t>(size) * 8) {}

  int64_t bitsLeft() const { return sizeBits_ - pos_; }

  // The next n (<= 32) bits, the first one in bit 0.
  uint32_t peek(unsigned n) const {
    uint64_t word;
    std::memcpy(&word, data_ + (pos_ >> 3), sizeof word);
    return static_cast<uint32_t>((word >> (pos_ & 7)) & ((uint64_t{1} << n) - 1));
  }

  // Moves on by n bits; past the end the position stops 64 bits after it (still inside the
  // padding), which keeps bitsLeft() negative.
  void skip(unsigned n) {
    pos_ += n;
    if (pos_ > sizeBits_ + 64) pos_ = sizeBits_ + 64;
  }

  uint32_t read(unsigned n) {
    uint32_t v = peek(n);
    skip(n);
    return v;
  }

  bool bit() { return read(1) != 0; }

  void toEnd() { pos_ = sizeBits_; }

 private:
  const uint8_t* data_;
  int64_t sizeBits_;
  int64_t pos_ = 0;
};

}  // namespace smk::detail
