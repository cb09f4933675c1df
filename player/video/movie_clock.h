// The movie's clock: the performance counter from the open on, and a wait for a due time
// that a message cuts short.
#pragma once

#include <cstdint>

#include "win32_api.h"
#include "win32_handles.h"

namespace vid {

class MovieClock {
 public:
  // false when the system has no performance counter or no waitable timer.
  bool start();
  ~MovieClock();

  uint64_t frequency() const { return frequency_; }
  // Starts counting from now on.
  void restart();
  // Counter ticks since start() or restart().
  int64_t now() const;
  // Sleeps until `due` ticks after the start or until a message for the thread arrives.
  void waitUntil(int64_t due);

 private:
  uint64_t frequency_ = 0;
  int64_t origin_ = 0;
  KernelHandle timer_;
  bool finePeriod_ = false;
};

}  // namespace vid
