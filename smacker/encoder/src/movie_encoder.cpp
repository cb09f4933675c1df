#include "smk/enc/movie_encoder.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "smk/enc/big_tree.h"
#include "smk/enc/bit_writer.h"
#include "smk/format.h"
#include "smk/limits.h"

namespace smk::enc {

using namespace format;

namespace {

void put_le32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

void set_le32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + i] = uint8_t(v >> (8 * i));
}

double frame_seconds(int32_t code) { return code > 0 ? code / 1000.0 : -double(code) / 100000.0; }

}  // namespace

int32_t frame_rate_code(double fps) {
  if (!(fps > 0.0005 && fps <= 100000)) throw std::invalid_argument("frame rate out of range");
  double ms = 1000.0 / fps;
  if (std::abs(ms - std::round(ms)) < 1e-9) return int32_t(std::round(ms));
  return -int32_t(std::lround(100000.0 / fps));
}

uint32_t block_error_for_quality(int quality) {
  quality = std::clamp(quality, 0, 100);
  // Allowed RMS error per pixel grows from 0 to about 40 RGB levels.
  double rms = (100 - quality) * 0.4;
  return uint32_t(16 * rms * rms);
}

MovieEncoder::MovieEncoder(const MovieSettings& settings)
    : s_(settings),
      coder_({settings.width, settings.height, settings.smk4,
              block_error_for_quality(settings.quality)}) {
  if (s_.width > limits::kMaxWrittenSide || s_.height > limits::kMaxWrittenSide)
    throw std::invalid_argument("picture larger than 32768 pixels");
  if (s_.frame_rate == 0 || s_.frame_rate > limits::kMaxFrameRateMs ||
      s_.frame_rate < -limits::kMaxFrameRateMs)
    throw std::invalid_argument("invalid frame rate code");
}

void MovieEncoder::code_picture(std::span<const uint8_t> indices, const Palette6& palette) {
  Frame f;
  if (frames_.empty() || palette != last_palette_) {
    // Before the first palette chunk every entry is black.
    f.palette_chunk = palette_chunk(frames_.empty() ? Palette6{} : last_palette_, palette);
    last_palette_ = palette;
    ++stats_.palette_chunks;
  }
  f.symbols = coder_.code_frame(indices, palette, !frames_.empty());
  for (int k = 0; k < 4; ++k) stats_.blocks_by_kind[k] += f.symbols.blocks_by_kind[k];
  frames_.push_back(std::move(f));
}

void MovieEncoder::add_frame(std::span<const uint8_t> indices, const Palette6& palette) {
  if (finished_) throw std::logic_error("movie already finished");
  // One stored frame stays free for a ring frame.
  if (frames_.size() >= limits::kMaxStoredFrames - 1) throw std::length_error("too many frames");
  for (const Color6& c : palette)
    if (c.r > 63 || c.g > 63 || c.b > 63) throw std::invalid_argument("palette component above 63");
  if (frames_.empty()) {
    first_picture_.assign(indices.begin(), indices.end());
    first_palette_ = palette;
  }
  code_picture(indices, palette);
  ++stats_.frames;
}

void MovieEncoder::add_audio(const AudioFormat& format, std::vector<uint8_t> pcm) {
  if (finished_) throw std::logic_error("movie already finished");
  if (tracks_.size() >= size_t(limits::kAudioTracks))
    throw std::length_error("at most 7 audio tracks");
  if (format.rate == 0 || format.rate > smk::format::kAudioRateMask)
    throw std::invalid_argument("audio rate out of range");
  if ((format.channels != 1 && format.channels != 2) || (format.bits != 8 && format.bits != 16))
    throw std::invalid_argument("audio must be 8 or 16 bits, mono or stereo");
  pcm.resize(pcm.size() - pcm.size() % format.frame_bytes());
  if (pcm.empty()) throw std::invalid_argument("sound track without samples");
  tracks_.push_back({format, std::move(pcm)});
}

// Calls visit(tree, value) for every tree symbol of a frame in stream order, and
// visit(-1, mode) for SMK4 FULL sub-modes.
template <class Visit>
void MovieEncoder::walk(const FrameSymbols& f, Visit&& visit) const {
  const size_t blocks = size_t(s_.width / kBlockSize) * (s_.height / kBlockSize);
  size_t b = 0, at = 0;
  while (b < blocks) {
    const uint16_t t = f.seq.at(at++);
    visit(int(kTypeTree), t);
    const BlockKind kind = typeKind(t);
    const size_t run = std::min<size_t>(kRunLengths[typeRunIndex(t)], blocks - b);
    unsigned per_block = 0;
    FullMode mode = kNormal;
    if (kind == kFull && s_.smk4) {
      mode = FullMode(f.seq.at(at++));
      visit(-1, uint16_t(mode));
    }
    if (kind == kFull) per_block = fullSymbolsPerBlock(mode);
    for (size_t k = 0; k < run; ++k) {
      if (kind == kMono) {
        visit(int(kMclrTree), f.seq.at(at++));
        visit(int(kMmapTree), f.seq.at(at++));
      }
      for (unsigned i = 0; i < per_block; ++i) visit(int(kFullTree), f.seq.at(at++));
    }
    b += run;
  }
}

std::vector<uint8_t> MovieEncoder::finish() {
  if (finished_) throw std::logic_error("movie already finished");
  if (frames_.empty()) throw std::logic_error("a movie needs at least one frame");
  finished_ = true;
  const size_t regular = frames_.size();
  if (s_.ring_frame) {
    // Leads from the last picture back to the first: a normal frame with the first picture.
    code_picture(first_picture_, first_palette_);
  }
  const size_t n = frames_.size();

  // Video trees from the statistics of all frames.
  std::array<BigTree, kVideoTrees> trees;
  for (const Frame& f : frames_) {
    for (auto& t : trees) t.start_frame();
    walk(f.symbols, [&](int tree, uint16_t v) {
      if (tree >= 0) trees[tree].count(v);
    });
  }
  for (auto& t : trees) t.build_code();
  for (int round = 0; round < 2; ++round) {
    for (auto& t : trees) t.start_round();
    for (const Frame& f : frames_) {
      for (auto& t : trees) t.start_frame();
      walk(f.symbols, [&](int tree, uint16_t v) {
        if (tree >= 0) trees[tree].count_choice(v);
      });
    }
    for (auto& t : trees) t.build_code();
  }
  for (auto& t : trees) t.finish();
  if (trees[kTypeTree].empty()) throw std::logic_error("movie without blocks");

  BitWriter tree_bits;
  for (const auto& t : trees) t.write_tree(tree_bits);
  const std::vector<uint8_t> tree_block = tree_bits.finish();

  // Audio delivery: about `audio_lead_seconds` with the first frame, then one frame's worth
  // per regular frame, whatever is left with the last regular frame. The ring frame has none.
  const double frame_s = frame_seconds(s_.frame_rate);
  std::vector<std::vector<std::vector<uint8_t>>> audio(n);  // per frame, per track: chunk
  std::array<uint32_t, limits::kAudioTracks> audio_size{};
  for (size_t k = 0; k < tracks_.size(); ++k) {
    const Track& tr = tracks_[k];
    const size_t fb = tr.format.frame_bytes();
    const size_t total = tr.pcm.size() / fb;
    size_t sent = 0;
    for (size_t i = 0; i < regular; ++i) {
      double due_s = s_.audio_lead_seconds + double(i) * frame_s;
      size_t due = std::min(total, size_t(std::llround(due_s * tr.format.rate)));
      if (i + 1 == regular) due = total;
      // Tiny chunks are not worth their framing (8-bit PCM needs at least 4 bytes).
      if (due <= sent || ((due - sent) * fb < 4 && due < total)) {
        audio[i].emplace_back();
        continue;
      }
      std::span<const uint8_t> pcm(tr.pcm.data() + sent * fb, (due - sent) * fb);
      audio[i].push_back(audio_chunk_payload(tr.format, pcm));
      audio_size[k] = std::max<uint32_t>(audio_size[k], uint32_t(pcm.size()));
      sent = due;
    }
    for (size_t i = regular; i < n; ++i) audio[i].emplace_back();
  }

  std::vector<uint8_t> out(kHeaderSize, 0);
  const std::string_view signature = s_.smk4 ? kSignatureSmk4 : kSignatureSmk2;
  std::copy(signature.begin(), signature.end(), out.begin());
  set_le32(out, kWidthOffset, s_.width);
  set_le32(out, kHeightOffset, s_.height);
  set_le32(out, kFramesOffset, uint32_t(regular));
  set_le32(out, kFrameRateOffset, uint32_t(s_.frame_rate));
  set_le32(out, kFlagsOffset,
           (s_.ring_frame ? kFlagRingFrame : 0) | (s_.y_interlaced ? kFlagYInterlaced : 0) |
               (s_.y_doubled ? kFlagYDoubled : 0));
  for (size_t k = 0; k < tracks_.size(); ++k) {
    set_le32(out, audioSizeOffset(int(k)), audio_size[k]);
    set_le32(out, audioRateOffset(int(k)), audio_rate_field(tracks_[k].format));
  }
  set_le32(out, kTreesSizeOffset, uint32_t(tree_block.size()));
  for (int t = 0; t < kVideoTrees; ++t)
    set_le32(out, treeSizeOffset(VideoTree(t)), trees[size_t(t)].size_field());

  // Frame chunks.
  std::vector<std::vector<uint8_t>> chunks(n);
  std::vector<uint8_t> types(n, 0);
  for (size_t i = 0; i < n; ++i) {
    const Frame& f = frames_[i];
    std::vector<uint8_t>& c = chunks[i];
    if (!f.palette_chunk.empty()) {
      types[i] |= kFrameTypePalette;
      c = f.palette_chunk;
    }
    for (size_t k = 0; k < audio[i].size(); ++k) {
      if (audio[i][k].empty()) continue;
      types[i] |= frameTypeAudio(int(k));
      put_le32(c, uint32_t(audio[i][k].size() + 4));
      c.insert(c.end(), audio[i][k].begin(), audio[i][k].end());
    }
    BitWriter video;
    for (auto& t : trees) t.start_frame();
    walk(f.symbols, [&](int tree, uint16_t v) {
      if (tree >= 0) {
        trees[tree].encode(video, v);
      } else if (v == kDouble) {
        video.put(1, 1);
      } else {
        video.put(v == kHalf ? 2 : 0, 2);  // bit 0 first: 0 then 1 = HALF, 0 0 = NORMAL
      }
    });
    std::vector<uint8_t> bytes = video.finish();
    if (bytes.empty()) bytes.push_back(0);  // the video data is never empty
    c.insert(c.end(), bytes.begin(), bytes.end());
    while (c.size() % kChunkAlignment) c.push_back(0);
    if (c.size() > chunkLength(UINT32_MAX)) throw std::length_error("frame too large");
  }
  for (const auto& c : chunks) put_le32(out, uint32_t(c.size()));
  out.insert(out.end(), types.begin(), types.end());
  out.insert(out.end(), tree_block.begin(), tree_block.end());
  for (const auto& c : chunks) out.insert(out.end(), c.begin(), c.end());
  return out;
}

}  // namespace smk::enc
