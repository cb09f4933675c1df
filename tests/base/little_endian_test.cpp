#include "base/little_endian.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// High bits set in every byte: a reader that sign-extends or mixes up the order shows it.
const std::vector<uint8_t> kBytes = {0xF1, 0xE2, 0xD3, 0xC4};

TEST(LittleEndian, ReadsLowByteFirstWithoutSignExtension) {
  EXPECT_EQ(base::readLe16(kBytes.data()), 0xE2F1);
  EXPECT_EQ(base::readLe16(kBytes.data() + 2), 0xC4D3);
  EXPECT_EQ(base::readLe32(kBytes.data()), 0xC4D3E2F1u);
}

TEST(LittleEndian, WritesAndAppendsWhatReadsGiveBack) {
  std::vector<uint8_t> appended = {0xAA};
  base::appendLe16(appended, 0xE2F1);
  base::appendLe32(appended, 0xC4D3E2F1u);
  EXPECT_EQ(appended, (std::vector<uint8_t>{0xAA, 0xF1, 0xE2, 0xF1, 0xE2, 0xD3, 0xC4}));

  std::vector<uint8_t> written(6, 0);
  base::writeLe32(written.data() + 1, 0xC4D3E2F1u);
  EXPECT_EQ(written, (std::vector<uint8_t>{0, 0xF1, 0xE2, 0xD3, 0xC4, 0}));
  base::writeLe16(written.data() + 4, 0x1234);
  EXPECT_EQ(base::readLe32(written.data() + 2), 0x1234D3E2u);
}

}  // namespace
