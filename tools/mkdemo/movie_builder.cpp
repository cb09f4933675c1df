#include "movie_builder.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "base/little_endian.h"
#include "smk/format.h"

namespace mkdemo {

namespace {

// The demo's settings and pictures are fixed, so an encoder error is a bug in this program.
void check(const smk::Status& s) {
  if (!s) throw std::logic_error(s.error().describe());
}

smk::enc::MovieEncoder makeEncoder(const smk::enc::MovieSettings& settings) {
  auto encoder = smk::enc::MovieEncoder::create(settings);
  if (!encoder) throw std::logic_error(encoder.error().describe());
  return std::move(*encoder);
}

}  // namespace

MovieBuilder::MovieBuilder(const smk::enc::MovieSettings& settings, unsigned screenshot_frame)
    : settings_(settings), encoder_(makeEncoder(settings)), shot_frame_(screenshot_frame) {}

void MovieBuilder::frame(const Canvas& picture, const smk::enc::Palette6& palette) {
  check(encoder_.addFrame(picture.pixels(), palette));
  if (frames_++ != shot_frame_) return;
  // The screenshot shows the movie as a player does: Y-doubled and Y-interlaced movies at
  // twice their stored height (interlaced with dark lines between).
  const bool twice = settings_.yDoubled || settings_.yInterlaced;
  shot_.width = picture.width();
  shot_.height = picture.height() * (twice ? 2 : 1);
  shot_.rgb.assign(size_t(shot_.width) * shot_.height * 3, 0);
  for (unsigned y = 0; y < shot_.height; ++y) {
    if (settings_.yInterlaced && y % 2) continue;
    const unsigned sy = twice ? y / 2 : y;
    for (unsigned x = 0; x < shot_.width; ++x) {
      const smk::enc::Color6 c = palette[picture.get(int(x), int(sy))];
      uint8_t* out = &shot_.rgb[(size_t(y) * shot_.width + x) * 3];
      out[0] = smk::format::expand6(c.r);
      out[1] = smk::format::expand6(c.g);
      out[2] = smk::format::expand6(c.b);
    }
  }
}

void MovieBuilder::sound(const smk::enc::AudioFormat& format, const std::vector<float>& samples) {
  std::vector<uint8_t> pcm;
  pcm.reserve(samples.size() * format.bits / 8);
  for (float s : samples) {
    const double v = std::clamp(double(s), -1.0, 1.0);
    if (format.bits == 8) {
      pcm.push_back(uint8_t(std::lround(128 + 127 * v)));
    } else {
      const auto w = uint16_t(int16_t(std::lround(32767 * v)));
      base::appendLe16(pcm, w);
    }
  }
  check(encoder_.addAudio(format, std::move(pcm)));
}

std::vector<uint8_t> MovieBuilder::finish() {
  auto file = encoder_.finish();
  if (!file) throw std::logic_error(file.error().describe());
  return std::move(*file);
}

}  // namespace mkdemo
