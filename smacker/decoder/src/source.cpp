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

class FileSource : public Source {
 public:
  FileSource(std::FILE* f, uint64_t size) : file_(f), size_(size) {}
  ~FileSource() override { std::fclose(file_); }

  uint64_t size() const override { return size_; }

  size_t read(uint64_t offset, uint8_t* dst, size_t n) override {
    if (n == 0) return 0;
    if (offset != position_) {
      if (seek(file_, offset) != 0) return 0;
      position_ = offset;
    }
    size_t got = std::fread(dst, 1, n, file_);
    position_ += got;
    if (got < n) {
      // Leave the stream usable for a later rewind.
      std::clearerr(file_);
      position_ = UINT64_MAX;
    }
    return got;
  }

 private:
  std::FILE* file_;
  uint64_t size_;
  uint64_t position_ = 0;
};

class MemorySource : public Source {
 public:
  explicit MemorySource(std::span<const uint8_t> bytes) : bytes_(bytes) {}
  void reset(std::span<const uint8_t> bytes) { bytes_ = bytes; }
  uint64_t size() const override { return bytes_.size(); }
  size_t read(uint64_t offset, uint8_t* dst, size_t n) override {
    if (n == 0 || offset >= bytes_.size()) return 0;
    size_t got = std::min<uint64_t>(n, bytes_.size() - offset);
    std::memcpy(dst, bytes_.data() + offset, got);
    return got;
  }

 private:
  std::span<const uint8_t> bytes_;
};

class OwnedMemorySource : public MemorySource {
 public:
  explicit OwnedMemorySource(std::vector<uint8_t>&& bytes)
      : MemorySource({}), owned_(std::move(bytes)) {
    reset(owned_);
  }

 private:
  std::vector<uint8_t> owned_;
};

}  // namespace

std::unique_ptr<Source> openFileSource(const std::string& path) {
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
  std::unique_ptr<Source> source(new (std::nothrow) FileSource(f, static_cast<uint64_t>(size)));
  if (!source) std::fclose(f);
  return source;
}

std::unique_ptr<Source> memorySource(std::span<const uint8_t> bytes) {
  return std::unique_ptr<Source>(new (std::nothrow) MemorySource(bytes));
}

}  // namespace smk::detail

namespace smk::detail {
std::unique_ptr<Source> ownedMemorySource(std::vector<uint8_t>&& bytes) {
  return std::unique_ptr<Source>(new (std::nothrow) OwnedMemorySource(std::move(bytes)));
}
}  // namespace smk::detail
