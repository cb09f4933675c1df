#include "wav_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "base/little_endian.h"

using smkenc::parse_wav;

namespace {

void tag(std::vector<uint8_t>& b, const char* t) {
  for (int i = 0; i < 4; ++i) b.push_back(uint8_t(t[i]));
}

struct Fmt {
  unsigned tag = 1, channels = 1, rate = 22050, bits = 16;
  int align = -1;  // -1: correct
  bool extensible = false;
};

// A WAV file: RIFF header, an odd-sized chunk to skip, the format, then the data.
std::vector<uint8_t> wav(const Fmt& f, const std::vector<uint8_t>& data,
                         uint32_t data_size_field = ~0u) {
  std::vector<uint8_t> b;
  tag(b, "RIFF");
  base::appendLe32(b, 0);
  tag(b, "WAVE");
  tag(b, "LIST");
  base::appendLe32(b, 3);
  base::appendLe32(b, 0x00030201);  // 3 bytes and the pad byte
  tag(b, "fmt ");
  base::appendLe32(b, f.extensible ? 40 : 16);
  base::appendLe16(b, f.extensible ? 0xFFFE : f.tag);
  base::appendLe16(b, f.channels);
  base::appendLe32(b, f.rate);
  base::appendLe32(b, f.rate * f.channels * f.bits / 8);
  base::appendLe16(b, f.align >= 0 ? unsigned(f.align) : f.channels * f.bits / 8);
  base::appendLe16(b, f.bits);
  if (f.extensible) {
    base::appendLe16(b, 22);
    base::appendLe16(b, f.bits);
    base::appendLe32(b, 0);
    base::appendLe16(b, f.tag);  // sub-format GUID starts with the format tag
    for (int i = 0; i < 14; ++i) b.push_back(0);
  }
  tag(b, "data");
  base::appendLe32(b, data_size_field == ~0u ? uint32_t(data.size()) : data_size_field);
  for (uint8_t v : data) b.push_back(v);
  return b;
}

TEST(WavReader, ReadsPcmFormats) {
  const std::vector<uint8_t> data{1, 2, 3, 4, 5, 6, 7, 8};
  struct Case {
    Fmt fmt;
    uint32_t size_field;
    size_t expect_bytes;
  } cases[] = {
      {{1, 1, 11025, 8}, ~0u, 8},
      {{1, 2, 44100, 16}, ~0u, 8},
      {{1, 2, 22050, 16, -1, true}, ~0u, 8},  // WAVE_FORMAT_EXTENSIBLE
      {{1, 2, 22050, 16}, 0xFFFFFFFF, 8},     // streamed: length unknown, take what is there
      {{1, 2, 22050, 16}, 7, 4},              // a partial sample frame is dropped
  };
  for (const auto& c : cases) {
    auto w = parse_wav(wav(c.fmt, data, c.size_field));
    EXPECT_EQ(w.rate, c.fmt.rate);
    EXPECT_EQ(w.channels, c.fmt.channels);
    EXPECT_EQ(w.bits, c.fmt.bits);
    EXPECT_EQ(w.pcm, std::vector<uint8_t>(data.begin(), data.begin() + long(c.expect_bytes)));
  }
}

TEST(WavReader, RejectsWhatItCannotUse) {
  struct Case {
    std::vector<uint8_t> file;
    const char* message;
  } cases[] = {
      {{'R', 'I', 'F', 'F'}, "not a RIFF WAVE file"},
      {wav({3, 1, 22050, 32}, {0, 0, 0, 0}), "only uncompressed PCM"},
      {wav({1, 1, 22050, 24}, {0, 0, 0}), "24-bit samples"},
      {wav({1, 3, 22050, 16}, {0, 0, 0, 0, 0, 0}), "3 channels"},
      {wav({1, 1, 0, 16}, {0, 0}), "sample rate 0 Hz"},
      {wav({1, 2, 22050, 16, 2}, {0, 0, 0, 0}), "block alignment"},
      {wav({1, 2, 22050, 16}, {0, 0}), "no samples"},
  };
  for (const auto& c : cases) {
    try {
      parse_wav(c.file);
      ADD_FAILURE() << "accepted; expected: " << c.message;
    } catch (const std::runtime_error& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
  }
  auto no_data = wav({}, {});
  no_data.resize(no_data.size() - 8);  // cut the data chunk header
  EXPECT_THROW(parse_wav(no_data), std::runtime_error);
}

}  // namespace
