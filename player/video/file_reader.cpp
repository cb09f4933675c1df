#include "file_reader.h"

#include <algorithm>
#include <new>

#include "win32_api.h"
#include "win32_handles.h"

namespace vid {

namespace {

smk::Error readError(uint64_t offset) {
  return smk::Error{smk::ErrorKind::Io, smk::Part::File, "cannot read the file", offset};
}

class FileReader : public smk::Reader {
 public:
  FileReader(KernelHandle file, uint64_t size) : file_(std::move(file)), size_(size) {}

  uint64_t size() const override { return size_; }

  smk::Result<size_t> read(uint64_t offset, std::span<uint8_t> dst) override {
    if (dst.empty() || offset >= size_) return size_t{0};
    if (offset != position_) {
      LONG high = static_cast<LONG>(offset >> 32);
      const DWORD low =
          SetFilePointer(file_.get(), static_cast<LONG>(offset & 0xFFFFFFFFu), &high, FILE_BEGIN);
      if (low == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR) {
        position_ = UINT64_MAX;
        return readError(offset);
      }
      position_ = offset;
    }
    // One call reads at most what a DWORD counts; the Movie asks again for the rest.
    const DWORD wanted = static_cast<DWORD>(std::min<size_t>(dst.size(), 0x40000000));
    DWORD got = 0;
    if (!ReadFile(file_.get(), dst.data(), wanted, &got, nullptr)) {
      position_ = UINT64_MAX;
      return readError(offset);
    }
    position_ += got;
    return size_t{got};
  }

 private:
  KernelHandle file_;
  uint64_t size_;
  uint64_t position_ = 0;
};

}  // namespace

std::unique_ptr<smk::Reader> openFileReader(const char* path) {
  HANDLE h = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return nullptr;
  KernelHandle file(h);
  DWORD high = 0;
  const DWORD low = GetFileSize(h, &high);
  if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return nullptr;
  const uint64_t size = uint64_t{high} << 32 | low;
  return std::unique_ptr<smk::Reader>(new (std::nothrow) FileReader(std::move(file), size));
}

}  // namespace vid
