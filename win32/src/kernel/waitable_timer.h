// Waitable timers, for the waits in MsgWaitForMultipleObjects.
#pragma once

#include <cstdint>
#include <optional>

#include "kernel_object.h"

namespace win32 {

class WaitableTimer : public KernelObject {
 public:
  explicit WaitableTimer(bool manualReset) : manualReset_(manualReset) {}

  // Due at `when` (clock time); then every `period` ticks when nonzero. Not signalled.
  void Set(int64_t when, int64_t period);
  // Stops it; the signalled state stays as it is.
  void Cancel() { due_.reset(); }

  // Whether a wait on the timer is satisfied at `now`; an auto-reset timer is reset by it.
  bool TryAcquire(int64_t now);
  // When it next falls due, if it is set.
  std::optional<int64_t> Due() const { return due_; }

 private:
  void Update(int64_t now);

  bool manualReset_;
  bool signalled_ = false;
  std::optional<int64_t> due_;
  int64_t period_ = 0;
};

}  // namespace win32
