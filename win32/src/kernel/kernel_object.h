// Kernel objects (files, waitable timers) and the process's handle table, which owns them:
// a handle stays valid until CloseHandle.
#pragma once

#include <memory>

#include "win32_api.h"

namespace win32 {

class KernelObject {
 public:
  virtual ~KernelObject() = default;
};

HANDLE AddHandle(std::unique_ptr<KernelObject> object);

// The object behind `handle` when it is of type T; null (ERROR_INVALID_HANDLE set) otherwise.
KernelObject* FindKernelObject(HANDLE handle);
template <class T>
T* FindKernelObjectOf(HANDLE handle) {
  T* object = dynamic_cast<T*>(FindKernelObject(handle));
  if (!object) SetLastError(ERROR_INVALID_HANDLE);
  return object;
}

}  // namespace win32
