// Resource look-ups in the program module's resource table. There is one module, so every
// module handle names it; resources are found by number, whatever their language.
#include <cstddef>
#include <cstdint>

#include "base/code_page_1252.h"
#include "base/little_endian.h"
#include "win32/module_resources.h"
#include "win32_api.h"

namespace win32 {
// A weak reference: the table belongs to the program, and without one it reads as null.
extern const ModuleResources g_moduleResources __attribute__((weak));
}  // namespace win32

namespace {

constexpr uint16_t kStringType = 6;

// The number a resource name or type stands for: a MAKEINTRESOURCE value or a "#123" string.
// Our resources have no names, so any other string finds nothing.
bool resourceNumber(LPCSTR name, uint16_t& number) {
  if (IS_INTRESOURCE(name)) {
    number = LOWORD(name);
    return number != 0;
  }
  if (name[0] != '#' || name[1] == '\0') return false;
  uint32_t value = 0;
  for (const char* c = name + 1; *c != '\0'; ++c) {
    if (*c < '0' || *c > '9') return false;
    value = value * 10 + static_cast<uint32_t>(*c - '0');
    if (value > 0xFFFF) return false;
  }
  number = static_cast<uint16_t>(value);
  return number != 0;
}

// The module's resources; none when the program links no table.
const win32::ModuleResources& moduleResources() {
  static constexpr win32::ModuleResources kNone = {nullptr, 0};
  return &win32::g_moduleResources ? win32::g_moduleResources : kNone;
}

const win32::ModuleResource* find(uint16_t type, uint16_t id) {
  const win32::ModuleResources& table = moduleResources();
  for (std::size_t i = 0; i < table.count; ++i)
    if (table.entries[i].type == type && table.entries[i].id == id) return &table.entries[i];
  return nullptr;
}

// The table entry a handle from FindResourceA stands for, or null for any other value.
const win32::ModuleResource* entryOf(HRSRC handle) {
  const win32::ModuleResources& table = moduleResources();
  for (std::size_t i = 0; i < table.count; ++i)
    if (reinterpret_cast<const void*>(handle) == &table.entries[i]) return &table.entries[i];
  return nullptr;
}

}  // namespace

HRSRC WINAPI FindResourceA(HMODULE, LPCSTR name, LPCSTR type) {
  uint16_t typeNumber = 0, nameNumber = 0;
  if (!resourceNumber(type, typeNumber) || !resourceNumber(name, nameNumber)) return nullptr;
  const win32::ModuleResource* entry = find(typeNumber, nameNumber);
  // The handle is the table entry itself; the table is never written through it.
  return reinterpret_cast<HRSRC>(const_cast<win32::ModuleResource*>(entry));
}

HGLOBAL WINAPI LoadResource(HMODULE, HRSRC resource) {
  const win32::ModuleResource* entry = entryOf(resource);
  // Resource memory is read-only, as in a real module.
  return entry ? const_cast<unsigned char*>(entry->data) : nullptr;
}

LPVOID WINAPI LockResource(HGLOBAL data) { return data; }

DWORD WINAPI SizeofResource(HMODULE, HRSRC resource) {
  const win32::ModuleResource* entry = entryOf(resource);
  return entry ? entry->size : 0;
}

int WINAPI LoadStringA(HINSTANCE, UINT id, LPSTR buffer, int bufferMax) {
  if (buffer == nullptr || bufferMax <= 0) return 0;
  buffer[0] = '\0';
  if (id > 0xFFFF) return 0;
  const win32::ModuleResource* block = find(kStringType, static_cast<uint16_t>(id / 16 + 1));
  if (block == nullptr) return 0;

  // Sixteen strings, each a length word and that many UTF-16 characters; skip to ours.
  const unsigned char* p = block->data;
  const unsigned char* const end = block->data + block->size;
  for (UINT slot = 0;; ++slot) {
    if (end - p < 2) return 0;
    const std::size_t length = base::readLe16(p);
    p += 2;
    if (static_cast<std::size_t>(end - p) / 2 < length) return 0;
    if (slot == id % 16) {
      const std::size_t room = static_cast<std::size_t>(bufferMax - 1);
      const std::size_t copied = length < room ? length : room;
      // Into the ANSI code page; '?' for a character it lacks, as WideCharToMultiByte does.
      for (std::size_t i = 0; i < copied; ++i)
        buffer[i] =
            static_cast<char>(base::toCodePage1252(base::readLe16(p + 2 * i)).value_or('?'));
      buffer[copied] = '\0';
      return static_cast<int>(copied);
    }
    p += 2 * length;
  }
}
