// The handle table. Handles are multiples of 4 from 4 up, as on Windows, so they never equal
// NULL or INVALID_HANDLE_VALUE; a closed slot is reused.
#include <vector>

#include "kernel_object.h"

namespace win32 {
namespace {

std::vector<std::unique_ptr<KernelObject>>& Slots() {
  static std::vector<std::unique_ptr<KernelObject>> slots;
  return slots;
}

std::unique_ptr<KernelObject>* Slot(HANDLE handle) {
  uintptr_t value = reinterpret_cast<uintptr_t>(handle);
  if (value == 0 || value % 4 != 0 || value / 4 > Slots().size()) return nullptr;
  std::unique_ptr<KernelObject>& slot = Slots()[value / 4 - 1];
  return slot ? &slot : nullptr;
}

}  // namespace

HANDLE AddHandle(std::unique_ptr<KernelObject> object) {
  auto& slots = Slots();
  size_t i = 0;
  while (i < slots.size() && slots[i]) ++i;
  if (i == slots.size()) slots.emplace_back();
  slots[i] = std::move(object);
  return reinterpret_cast<HANDLE>((i + 1) * 4);
}

KernelObject* FindKernelObject(HANDLE handle) {
  std::unique_ptr<KernelObject>* slot = Slot(handle);
  return slot ? slot->get() : nullptr;
}

}  // namespace win32

BOOL WINAPI CloseHandle(HANDLE handle) {
  std::unique_ptr<win32::KernelObject>* slot = win32::Slot(handle);
  if (!slot) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  slot->reset();
  return TRUE;
}
