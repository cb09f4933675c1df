#include "wav_reader.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "base/little_endian.h"

namespace smkenc {

namespace {

[[noreturn]] void fail(const std::string& why) { throw std::runtime_error("WAV file: " + why); }

}  // namespace

WavSound parse_wav(const std::vector<uint8_t>& file) {
  if (file.size() < 12 || base::readLe32(&file[0]) != 0x46464952 /* RIFF */ ||
      base::readLe32(&file[8]) != 0x45564157 /* WAVE */)
    fail("not a RIFF WAVE file");
  WavSound w;
  bool have_format = false;
  size_t at = 12;
  while (at + 8 <= file.size()) {
    const uint32_t id = base::readLe32(&file[at]), size = base::readLe32(&file[at + 4]);
    const size_t body = at + 8;
    const size_t available = file.size() - body;
    if (id == 0x20746d66) {  // "fmt "
      if (size < 16 || size > available) fail("format chunk is truncated");
      uint16_t tag = base::readLe16(&file[body]);
      if (tag == 0xFFFE) {  // extensible: the sub-format's first two bytes hold the tag
        if (size < 40) fail("extensible format chunk is truncated");
        tag = base::readLe16(&file[body + 24]);
      }
      if (tag != 1)
        fail("only uncompressed PCM is supported (format tag " + std::to_string(tag) + ")");
      w.channels = base::readLe16(&file[body + 2]);
      w.rate = base::readLe32(&file[body + 4]);
      w.bits = base::readLe16(&file[body + 14]);
      if (w.channels != 1 && w.channels != 2)
        fail(std::to_string(w.channels) + " channels; mono or stereo only");
      if (w.bits != 8 && w.bits != 16)
        fail(std::to_string(w.bits) + "-bit samples; 8 or 16 bits only");
      if (w.rate == 0 || w.rate > 0xFFFFFF)
        fail("sample rate " + std::to_string(w.rate) + " Hz is out of range");
      if (base::readLe16(&file[body + 12]) != w.channels * w.bits / 8)
        fail("block alignment does not match the sample format");
      have_format = true;
    } else if (id == 0x61746164) {  // "data"
      if (!have_format) fail("sound data before the format chunk");
      // Streamed files may give no real length: take what is there.
      const size_t n = std::min<size_t>(size, available);
      const size_t frame = w.channels * w.bits / 8;
      w.pcm.assign(file.begin() + long(body), file.begin() + long(body + n - n % frame));
      if (w.pcm.empty()) fail("no samples");
      return w;
    }
    if (size > available) break;
    at = body + size + (size & 1);  // chunks are padded to even length
  }
  fail(have_format ? "no sound data chunk" : "no format chunk");
}

WavSound read_wav(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  if (!f) throw std::runtime_error("cannot open " + path);
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(f)), {});
  try {
    return parse_wav(bytes);
  } catch (const std::runtime_error& e) {
    throw std::runtime_error(path + ": " + e.what());
  }
}

}  // namespace smkenc
