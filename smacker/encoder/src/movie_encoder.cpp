#include "smk/enc/movie_encoder.h"

#include <algorithm>
#include <cmath>

#include "base/little_endian.h"
#include "smk/enc/big_tree.h"
#include "smk/enc/bit_writer.h"
#include "smk/format.h"
#include "smk/limits.h"

namespace smk::enc {

using namespace format;

namespace {

double frameSeconds(int32_t code) { return code > 0 ? code / 1000.0 : -double(code) / 100000.0; }

Error settingsError(const char* message) {
  return Error{ErrorKind::Invalid, Part::Settings, message, 0, -1, -1};
}

Error movieError(ErrorKind kind, Part part, const char* message, int64_t frame = -1,
                 int track = -1) {
  return Error{kind, part, message, 0, frame, track};
}

}  // namespace

Result<int32_t> frameRateCode(double fps) {
  if (!(fps > 0.0005 && fps <= 100000)) return settingsError("frame rate out of range");
  double ms = 1000.0 / fps;
  if (std::abs(ms - std::round(ms)) < 1e-9) return int32_t(std::round(ms));
  return -int32_t(std::lround(100000.0 / fps));
}

uint32_t blockErrorForQuality(int quality) {
  quality = std::clamp(quality, 0, 100);
  // Allowed RMS error per pixel grows from 0 to about 40 RGB levels.
  double rms = (100 - quality) * 0.4;
  return uint32_t(16 * rms * rms);
}

Result<MovieEncoder> MovieEncoder::create(const MovieSettings& settings) {
  if (settings.width < kBlockSize || settings.height < kBlockSize)
    return settingsError("picture smaller than one 4x4 block");
  if (settings.width > limits::kMaxWrittenSide || settings.height > limits::kMaxWrittenSide)
    return settingsError("picture larger than 32768 pixels");
  if (settings.frameRate == 0 || settings.frameRate > limits::kMaxFrameRateMs ||
      settings.frameRate < -limits::kMaxFrameRateMs)
    return settingsError("invalid frame rate code");
  return MovieEncoder(settings);
}

MovieEncoder::MovieEncoder(const MovieSettings& settings)
    : s_(settings),
      coder_({settings.width, settings.height, settings.smk4,
              blockErrorForQuality(settings.quality)}) {}

void MovieEncoder::codePicture(std::span<const uint8_t> indices, const Palette6& palette) {
  Frame f;
  if (frames_.empty() || palette != lastPalette_) {
    // Before the first palette chunk every entry is black.
    f.paletteChunk = paletteChunk(frames_.empty() ? Palette6{} : lastPalette_, palette);
    lastPalette_ = palette;
    ++stats_.paletteChunks;
  }
  f.symbols = coder_.codeFrame(indices, palette, !frames_.empty());
  for (int k = 0; k < 4; ++k) stats_.blocksByKind[k] += f.symbols.blocksByKind[k];
  frames_.push_back(std::move(f));
}

Status MovieEncoder::addFrame(std::span<const uint8_t> indices, const Palette6& palette) {
  const int64_t index = int64_t(frames_.size());
  if (finished_) return movieError(ErrorKind::Invalid, Part::Movie, "movie already finished");
  // One stored frame stays free for a ring frame.
  if (frames_.size() >= limits::kMaxStoredFrames - 1)
    return movieError(ErrorKind::TooLarge, Part::FrameTables, "too many frames", index);
  if (indices.size() != size_t(s_.width) * s_.height)
    return movieError(ErrorKind::Invalid, Part::Video, "picture size does not match the movie",
                      index);
  for (const Color6& c : palette)
    if (c.r > kPaletteComponentMask || c.g > kPaletteComponentMask || c.b > kPaletteComponentMask)
      return movieError(ErrorKind::Invalid, Part::Palette, "palette component above 63", index);
  if (frames_.empty()) {
    firstPicture_.assign(indices.begin(), indices.end());
    firstPalette_ = palette;
  }
  codePicture(indices, palette);
  ++stats_.frames;
  return {};
}

Status MovieEncoder::addAudio(const AudioFormat& audioFormat, std::vector<uint8_t> pcm) {
  const int track = int(tracks_.size());
  if (finished_) return movieError(ErrorKind::Invalid, Part::Movie, "movie already finished");
  if (track >= limits::kAudioTracks)
    return movieError(ErrorKind::TooLarge, Part::Audio, "at most 7 audio tracks", -1, track);
  if (Status s = checkAudioFormat(audioFormat); !s) {
    Error e = s.error();
    e.track = track;
    return e;
  }
  pcm.resize(pcm.size() - pcm.size() % audioFormat.frameBytes());
  if (pcm.empty())
    return movieError(ErrorKind::Invalid, Part::Audio, "sound track without samples", -1, track);
  tracks_.push_back({audioFormat, std::move(pcm)});
  return {};
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
    unsigned perBlock = 0;
    FullMode mode = kNormal;
    if (kind == kFull && s_.smk4) {
      mode = FullMode(f.seq.at(at++));
      visit(-1, uint16_t(mode));
    }
    if (kind == kFull) perBlock = fullSymbolsPerBlock(mode);
    for (size_t k = 0; k < run; ++k) {
      if (kind == kMono) {
        visit(int(kMclrTree), f.seq.at(at++));
        visit(int(kMmapTree), f.seq.at(at++));
      }
      for (unsigned i = 0; i < perBlock; ++i) visit(int(kFullTree), f.seq.at(at++));
    }
    b += run;
  }
}

Result<std::vector<uint8_t>> MovieEncoder::finish() {
  if (finished_) return movieError(ErrorKind::Invalid, Part::Movie, "movie already finished");
  if (frames_.empty())
    return movieError(ErrorKind::Invalid, Part::Movie, "a movie needs at least one frame");
  finished_ = true;
  const size_t regular = frames_.size();
  if (s_.ringFrame) {
    // Leads from the last picture back to the first: a normal frame with the first picture.
    codePicture(firstPicture_, firstPalette_);
  }
  const size_t n = frames_.size();

  // Video trees from the statistics of all frames.
  std::array<BigTree, kVideoTrees> trees;
  for (const Frame& f : frames_) {
    for (auto& t : trees) t.startFrame();
    walk(f.symbols, [&](int tree, uint16_t v) {
      if (tree >= 0) trees[tree].count(v);
    });
  }
  for (auto& t : trees) t.buildCode();
  for (int round = 0; round < 2; ++round) {
    for (auto& t : trees) t.startRound();
    for (const Frame& f : frames_) {
      for (auto& t : trees) t.startFrame();
      walk(f.symbols, [&](int tree, uint16_t v) {
        if (tree >= 0) trees[tree].countChoice(v);
      });
    }
    for (auto& t : trees) t.buildCode();
  }
  for (auto& t : trees)
    if (Status s = t.finish(); !s) return s.error();

  BitWriter treeBits;
  for (const auto& t : trees) t.writeTree(treeBits);
  const std::vector<uint8_t> treeBlock = treeBits.finish();

  // Audio delivery: about `audioLeadSeconds` with the first frame, then one frame's worth
  // per regular frame, whatever is left with the last regular frame. The ring frame has none.
  const double frameTime = frameSeconds(s_.frameRate);
  std::vector<std::vector<std::vector<uint8_t>>> audio(n);  // per frame, per track: chunk
  std::array<uint32_t, limits::kAudioTracks> audioSize{};
  for (size_t k = 0; k < tracks_.size(); ++k) {
    const Track& tr = tracks_[k];
    const size_t fb = tr.format.frameBytes();
    const size_t total = tr.pcm.size() / fb;
    size_t sent = 0;
    for (size_t i = 0; i < regular; ++i) {
      double dueTime = s_.audioLeadSeconds + double(i) * frameTime;
      size_t due = std::min(total, size_t(std::llround(dueTime * tr.format.rate)));
      if (i + 1 == regular) due = total;
      // Tiny chunks are not worth their framing (8-bit PCM needs at least 4 bytes).
      if (due <= sent || ((due - sent) * fb < 4 && due < total)) {
        audio[i].emplace_back();
        continue;
      }
      std::span<const uint8_t> pcm(tr.pcm.data() + sent * fb, (due - sent) * fb);
      auto payload = audioChunkPayload(tr.format, pcm);
      if (!payload) return payload.error();
      audio[i].push_back(std::move(*payload));
      audioSize[k] = std::max<uint32_t>(audioSize[k], uint32_t(pcm.size()));
      sent = due;
    }
    for (size_t i = regular; i < n; ++i) audio[i].emplace_back();
  }

  std::vector<uint8_t> out(kHeaderSize, 0);
  const std::string_view signature = s_.smk4 ? kSignatureSmk4 : kSignatureSmk2;
  std::copy(signature.begin(), signature.end(), out.begin());
  base::writeLe32(&out[kWidthOffset], s_.width);
  base::writeLe32(&out[kHeightOffset], s_.height);
  base::writeLe32(&out[kFramesOffset], uint32_t(regular));
  base::writeLe32(&out[kFrameRateOffset], uint32_t(s_.frameRate));
  base::writeLe32(&out[kFlagsOffset], (s_.ringFrame ? kFlagRingFrame : 0) |
                                          (s_.yInterlaced ? kFlagYInterlaced : 0) |
                                          (s_.yDoubled ? kFlagYDoubled : 0));
  for (size_t k = 0; k < tracks_.size(); ++k) {
    base::writeLe32(&out[audioSizeOffset(int(k))], audioSize[k]);
    base::writeLe32(&out[audioRateOffset(int(k))], audioRateField(tracks_[k].format));
  }
  base::writeLe32(&out[kTreesSizeOffset], uint32_t(treeBlock.size()));
  for (int t = 0; t < kVideoTrees; ++t)
    base::writeLe32(&out[treeSizeOffset(VideoTree(t))], trees[size_t(t)].sizeField());

  // Frame chunks.
  std::vector<std::vector<uint8_t>> chunks(n);
  std::vector<uint8_t> types(n, 0);
  for (size_t i = 0; i < n; ++i) {
    const Frame& f = frames_[i];
    std::vector<uint8_t>& c = chunks[i];
    if (!f.paletteChunk.empty()) {
      types[i] |= kFrameTypePalette;
      c = f.paletteChunk;
    }
    for (size_t k = 0; k < audio[i].size(); ++k) {
      if (audio[i][k].empty()) continue;
      types[i] |= frameTypeAudio(int(k));
      base::appendLe32(c, uint32_t(audio[i][k].size() + 4));
      c.insert(c.end(), audio[i][k].begin(), audio[i][k].end());
    }
    BitWriter video;
    for (auto& t : trees) t.startFrame();
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
    if (c.size() > chunkLength(UINT32_MAX))
      return movieError(ErrorKind::TooLarge, Part::Video, "frame larger than 4 GiB", int64_t(i));
  }
  for (const auto& c : chunks) base::appendLe32(out, uint32_t(c.size()));
  out.insert(out.end(), types.begin(), types.end());
  out.insert(out.end(), treeBlock.begin(), treeBlock.end());
  for (const auto& c : chunks) out.insert(out.end(), c.begin(), c.end());
  return out;
}

}  // namespace smk::enc
