#include "smk/movie.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "audio.h"
#include "base/little_endian.h"
#include "bit_reader.h"
#include "palette.h"
#include "source.h"
#include "video.h"

namespace smk {

using detail::BitReader;

namespace {

Error openError(ErrorKind kind, Part part, const char* message, uint64_t offset) {
  return Error{kind, part, message, offset, -1, -1};
}

// Fills dst from offset on, asking the reader again after a short read: the bytes read (fewer
// only at the end of the data) or the reader's error.
Result<size_t> readFully(Reader& reader, uint64_t offset, std::span<uint8_t> dst) {
  size_t done = 0;
  while (done < dst.size()) {
    Result<size_t> got = reader.read(offset + done, dst.subspan(done));
    if (!got) return got.error();
    if (got.value() == 0) break;
    done += std::min(got.value(), dst.size() - done);
  }
  return done;
}

}  // namespace

struct Movie::Impl {
  std::unique_ptr<Reader> reader;
  Header header;
  std::vector<uint32_t> frameSizes;
  std::vector<uint8_t> frameTypes;
  uint64_t firstFrameOffset = 0;
  detail::VideoDecoder video;
  detail::AudioDecoder audioDecoder;
  Palette palette{};
  std::vector<uint8_t> chunk;    // the current frame chunk, then zero padding
  std::vector<uint8_t> payload;  // one audio payload, then zero padding
  std::array<std::vector<uint8_t>, limits::kAudioTracks> audio;
  uint32_t next = 0;
  uint64_t nextOffset = 0;
  bool ended = false;
  Frame frame;

  Status load();
  const Frame* decodeNext();
  void restart() {
    next = 0;
    nextOffset = firstFrameOffset;
    ended = false;
    palette.fill(Rgb{0, 0, 0});
    video.reset();
  }
  // Reads the audio chunks of the frame; false when the frame chunk's layout is broken.
  bool readAudio(uint8_t type, size_t& p, size_t length, size_t available, bool truncated);
  void setDamage(ErrorKind kind, Part part, const char* message, uint64_t offset, int track = -1) {
    if (!frame.damage) frame.damage = Error{kind, part, message, offset, frame.index, track};
  }
};

Status Movie::Impl::load() {
  const uint64_t fileSize = reader->size();
  uint8_t headerBytes[kHeaderSize];
  const Result<size_t> got = readFully(*reader, 0, headerBytes);
  if (!got || (got.value() < kHeaderSize && fileSize >= kHeaderSize))
    return openError(ErrorKind::Io, Part::File, "cannot read the file", 0);
  auto parsed = parseHeader(std::span<const uint8_t>(headerBytes, got.value()));
  if (!parsed) return parsed.error();
  header = parsed.value();

  const uint64_t n = header.storedFrames;
  const uint64_t treesOffset = kHeaderSize + 5 * n;
  if (treesOffset > fileSize)
    return openError(ErrorKind::Truncated, Part::FrameTables,
                     "frame tables run past the end of the file", kHeaderSize);
  firstFrameOffset = treesOffset + header.treesSize;
  if (firstFrameOffset > fileSize)
    return openError(ErrorKind::Truncated, Part::Trees, "tree block runs past the end of the file",
                     treesOffset);

  try {
    frameSizes.resize(n);
    frameTypes.resize(n);
    std::vector<uint8_t> tables(5 * n);
    std::vector<uint8_t> trees(size_t{header.treesSize} + BitReader::kPadding, 0);
    const Result<size_t> gotTables = readFully(*reader, kHeaderSize, tables);
    const Result<size_t> gotTrees =
        readFully(*reader, treesOffset, std::span<uint8_t>(trees.data(), header.treesSize));
    if (!gotTables || gotTables.value() != tables.size() || !gotTrees ||
        gotTrees.value() != header.treesSize)
      return openError(ErrorKind::Io, Part::File, "cannot read the file", kHeaderSize);
    for (size_t i = 0; i < n; ++i) frameSizes[i] = base::readLe32(&tables[4 * i]);
    if (n > 0) std::memcpy(frameTypes.data(), tables.data() + 4 * n, n);

    if (const char* why =
            video.open(header, std::span<const uint8_t>(trees.data(), header.treesSize)))
      return openError(ErrorKind::Corrupt, Part::Trees, why, treesOffset);

    // The largest part of any frame chunk that lies inside the file.
    uint64_t largest = 0, offset = firstFrameOffset;
    for (uint32_t size : frameSizes) {
      const uint64_t length = format::chunkLength(size);
      if (offset < fileSize) largest = std::max(largest, std::min(length, fileSize - offset));
      offset += length;
    }
    chunk.assign(largest + BitReader::kPadding, 0);
    payload.assign(largest + BitReader::kPadding, 0);
    for (int k = 0; k < limits::kAudioTracks; ++k) {
      const AudioTrack& t = header.audio[k];
      if (!t.decodable()) continue;
      // The header's hint of the largest decoded chunk; a wrong hint only means growing later.
      uint64_t hint =
          t.codec == AudioCodec::Pcm ? largest : std::min<uint64_t>(t.maxChunkBytes, 1u << 20);
      audio[k].reserve(hint);
    }
  } catch (const std::bad_alloc&) {
    return openError(ErrorKind::TooLarge, Part::File, "not enough memory for the movie", 0);
  }
  restart();
  return {};
}

bool Movie::Impl::readAudio(uint8_t type, size_t& p, size_t length, size_t available,
                            bool truncated) {
  for (int k = 0; k < limits::kAudioTracks; ++k) {
    if (!(type & format::frameTypeAudio(k))) continue;
    const uint64_t at = nextOffset - length + p;
    if (p + 4 > available) {
      setDamage(
          truncated ? ErrorKind::Truncated : ErrorKind::Corrupt, Part::Audio,
          truncated ? "file ends inside an audio chunk" : "audio chunk header beyond the frame", at,
          k);
      return false;
    }
    const AudioTrack& track = header.audio[k];
    const uint32_t chunkLength = base::readLe32(&chunk[p]);
    // Packed and 8-bit raw chunks start with a 4-byte decoded size (FFmpeg insists on it).
    const bool sized = track.codec == AudioCodec::SmackerDpcm ||
                       (track.codec == AudioCodec::Pcm && track.bitsPerSample == 8);
    if (chunkLength < (sized ? 8u : 4u) || chunkLength > length - p) {
      setDamage(ErrorKind::Corrupt, Part::Audio, "audio chunk length outside the frame", at, k);
      return false;
    }
    if (p + chunkLength > available) {
      setDamage(ErrorKind::Truncated, Part::Audio, "file ends inside an audio chunk", at, k);
      return false;
    }
    if (track.decodable()) {
      const size_t size = chunkLength - 4;
      std::memcpy(payload.data(), &chunk[p + 4], size);
      std::memset(payload.data() + size, 0, BitReader::kPadding);
      if (const char* why =
              audioDecoder.decode(track, std::span<const uint8_t>(payload.data(), size), audio[k]))
        setDamage(ErrorKind::Corrupt, Part::Audio, why, at, k);
      frame.audio[k] = audio[k];
    }
    p += chunkLength;
  }
  return true;
}

const Frame* Movie::Impl::decodeNext() {
  if (ended || next >= header.storedFrames) return nullptr;
  const uint32_t index = next++;
  frame = Frame{};
  frame.index = index;
  frame.palette = &palette;
  frame.picture = video.picture();

  const size_t length = format::chunkLength(frameSizes[index]);
  const uint64_t start = nextOffset;
  nextOffset += length;
  const size_t wanted = std::min(length, chunk.size() - BitReader::kPadding);
  const Result<size_t> got = readFully(*reader, start, std::span<uint8_t>(chunk.data(), wanted));
  if (!got) {
    // The medium went away or failed: nothing of this frame can be trusted, and no later
    // frame can be read.
    setDamage(ErrorKind::Io, Part::File, "cannot read the file", start);
    frame.layoutBroken = true;
    ended = true;
    return &frame;
  }
  const size_t available = got.value();
  std::memset(chunk.data() + available, 0, BitReader::kPadding);
  const bool truncated = available < length;
  if (truncated) ended = true;

  const uint8_t type = frameTypes[index];
  size_t p = 0;
  if (type & format::kFrameTypePalette) {
    size_t paletteBytes = 0;
    if (const char* why = detail::applyPaletteChunk(
            std::span<const uint8_t>(chunk.data(), available), palette, paletteBytes)) {
      setDamage(truncated ? ErrorKind::Truncated : ErrorKind::Corrupt, Part::Palette,
                truncated ? "file ends inside the palette" : why, start);
      frame.layoutBroken = true;
      return &frame;
    }
    frame.paletteChanged = true;
    p = paletteBytes;
  }
  if (!readAudio(type, p, length, available, truncated)) {
    frame.layoutBroken = true;
    return &frame;
  }
  if (truncated) {
    setDamage(ErrorKind::Truncated, Part::Video, "file ends inside the video data", start + p);
    frame.layoutBroken = true;
    return &frame;
  }
  if (const char* why = video.decode(chunk.data() + p, length - p)) {
    setDamage(ErrorKind::Corrupt, Part::Video, why, start + p);
    return &frame;
  }
  frame.hasPicture = true;
  frame.rects = video.takeChangedRects();
  return &frame;
}

Movie::Movie(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
Movie::Movie(Movie&&) noexcept = default;
Movie& Movie::operator=(Movie&&) noexcept = default;
Movie::~Movie() = default;

Result<Movie> Movie::open(std::unique_ptr<Reader> reader) {
  if (!reader) return openError(ErrorKind::Io, Part::File, "cannot open the file", 0);
  std::unique_ptr<Impl> impl(new (std::nothrow) Impl());
  if (!impl)
    return openError(ErrorKind::TooLarge, Part::File, "not enough memory for the movie", 0);
  impl->reader = std::move(reader);
  if (Status s = impl->load(); !s) return s.error();
  return Movie(std::move(impl));
}

Result<Movie> Movie::open(const std::string& path) { return open(detail::openFileReader(path)); }

Result<Movie> Movie::openMemory(std::span<const uint8_t> bytes) {
  return open(detail::memoryReader(bytes));
}

Result<Movie> Movie::openMemory(std::vector<uint8_t>&& bytes) {
  return open(detail::ownedMemoryReader(std::move(bytes)));
}

const Header& Movie::header() const { return impl_->header; }

const Frame* Movie::decodeNextFrame() { return impl_->decodeNext(); }

Status Movie::rewind() {
  impl_->restart();
  return {};
}

}  // namespace smk
