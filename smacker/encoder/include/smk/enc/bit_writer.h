#pragma once
// LSB-first bit writer: the first bit written lands in bit 0 of the first byte.
#include <cstdint>
#include <vector>

namespace smk::enc {

class BitWriter {
 public:
  // Appends the low `count` bits of `value` (count <= 32), bit 0 first.
  void put(uint32_t value, unsigned count) {
    if (count == 0) return;
    acc_ |= uint64_t(value & (count == 32 ? 0xFFFFFFFFu : ((1u << count) - 1))) << fill_;
    fill_ += count;
    while (fill_ >= 8) {
      bytes_.push_back(uint8_t(acc_));
      acc_ >>= 8;
      fill_ -= 8;
    }
  }
  void putBit(bool bit) { put(bit ? 1u : 0u, 1); }

  uint64_t bitCount() const { return uint64_t(bytes_.size()) * 8 + fill_; }

  // Completes the last byte with zero bits and hands out the bytes.
  std::vector<uint8_t> finish() {
    if (fill_ > 0) bytes_.push_back(uint8_t(acc_));
    acc_ = 0;
    fill_ = 0;
    return std::move(bytes_);
  }

 private:
  std::vector<uint8_t> bytes_;
  uint64_t acc_ = 0;
  unsigned fill_ = 0;
};

}  // namespace smk::enc
