#include "source.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>

namespace smk::detail {

namespace {

int seek(std::FILE* f, uint64_t offset) {
#ifdef _WIN32
  return _fseeki64(f, static_cast<__int64>(offset), SEEK_SET);
#else
  return fseeko(f, static_cast<off_t>(offset), SEEK_SET);
#endif
}

Error readError(uint64_t offset) {
  return Error{ErrorKind::Io, Part::File, "cannot read the file", offset, -1, -1};
}

class FileReader : public Reader {
 public:
  FileReader(std::FILE* f, uint64_t size) : file_(f), size_(size) {}
  ~FileReader() override { std::fclose(file_); }

  uint64_t size() const override { return size_; }

  Result<size_t> read(uint64_t offset, std::span<uint8_t> dst) override {
    if (dst.empty()) return size_t{0};
    if (offset != position_) {
      if (seek(file_, offset) != 0) return readError(offset);
      position_ = offset;
    }
    size_t got = std::fread(dst.data(), 1, dst.size(), file_);
    position_ += got;
    if (got < dst.size()) {
      const bool failed = std::ferror(file_) != 0;
      // Leave the stream usable for a later rewind.
      std::clearerr(file_);
      position_ = UINT64_MAX;
      if (failed && got == 0) return readError(offset);
    }
    return got;
  }

 private:
  std::FILE* file_;
  uint64_t size_;
  uint64_t position_ = 0;
};

class MemoryReader : public Reader {
 public:
  explicit MemoryReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}
  void reset(std::span<const uint8_t> bytes) { bytes_ = bytes; }
  uint64_t size() const override { return bytes_.size(); }
  Result<size_t> read(uint64_t offset, std::span<uint8_t> dst) override {
    if (dst.empty() || offset >= bytes_.size()) return size_t{0};
    size_t got = std::min<uint64_t>(dst.size(), bytes_.size() - offset);
    std::memcpy(dst.data(), bytes_.data() + offset, got);
    return got;
  }

 private:
  std::span<const uint8_t> bytes_;
};

class OwnedMemoryReader : public MemoryReader {
 public:
  explicit OwnedMemoryReader(std::vector<uint8_t>&& bytes)
      : MemoryReader({}), owned_(std::move(bytes)) {
    reset(owned_);
  }

 private:
  std::vector<uint8_t> owned_;
};

}  // namespace

std::unique_ptr<Reader> openFileReader(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return nullptr;
#ifdef _WIN32
  bool ok = _fseeki64(f, 0, SEEK_END) == 0;
  int64_t size = ok ? _ftelli64(f) : -1;
#else
  bool ok = fseeko(f, 0, SEEK_END) == 0;
  int64_t size = ok ? static_cast<int64_t>(ftello(f)) : -1;
#endif
  if (size < 0 || seek(f, 0) != 0) {
    std::fclose(f);
    return nullptr;
  }
  std::unique_ptr<Reader> reader(new (std::nothrow) FileReader(f, static_cast<uint64_t>(size)));
  if (!reader) std::fclose(f);
  return reader;
}

std::unique_ptr<Reader> memoryReader(std::span<const uint8_t> bytes) {
  return std::unique_ptr<Reader>(new (std::nothrow) MemoryReader(bytes));
}

std::unique_ptr<Reader> ownedMemoryReader(std::vector<uint8_t>&& bytes) {
  return std::unique_ptr<Reader>(new (std::nothrow) OwnedMemoryReader(std::move(bytes)));
}

}  // namespace smk::detail
