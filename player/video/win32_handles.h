// Owners of the Win32 handles the video library keeps.
#pragma once

#include <utility>

#include "win32_api.h"

namespace vid {

template <class Handle, BOOL(WINAPI* Close)(Handle)>
class Owned {
 public:
  Owned() = default;
  explicit Owned(Handle h) : handle_(h) {}
  Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
  Owned& operator=(Owned&& other) noexcept {
    std::swap(handle_, other.handle_);
    return *this;
  }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  ~Owned() {
    if (handle_) Close(handle_);
  }
  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Handle{}; }

 private:
  Handle handle_{};
};

inline BOOL WINAPI deletePalette(HPALETTE p) { return DeleteObject(p); }

using KernelHandle = Owned<HANDLE, CloseHandle>;  // files and timers
using PaletteHandle = Owned<HPALETTE, deletePalette>;

}  // namespace vid
