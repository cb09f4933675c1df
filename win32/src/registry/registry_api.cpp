// Reg* functions over the registry file. Only HKEY_CURRENT_USER is stored.
#include <cstring>
#include <string>

#include "registry_store.h"
#include "win32_api.h"

namespace {

struct OpenKey {
  std::string path;
};

bool IsPredefined(HKEY key) {
  uintptr_t value = reinterpret_cast<uintptr_t>(key);
  return value >= 0x80000000u && value <= 0x80000006u;
}

bool PathOf(HKEY key, LPCSTR subKey, std::string& path) {
  if (key == HKEY_CURRENT_USER) {
    path = "HKEY_CURRENT_USER";
  } else if (key && !IsPredefined(key)) {
    path = reinterpret_cast<OpenKey*>(key)->path;
  } else {
    return false;
  }
  if (subKey && *subKey) {
    std::string sub = subKey;
    while (!sub.empty() && sub.back() == '\\') sub.pop_back();
    if (sub.empty() || sub.front() == '\\') return false;
    path += "\\" + sub;
  }
  return true;
}

HKEY NewHandle(const std::string& path) { return reinterpret_cast<HKEY>(new OpenKey{path}); }

}  // namespace

LONG WINAPI RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD, REGSAM, HKEY* result) {
  if (!result) return ERROR_INVALID_PARAMETER;
  *result = nullptr;
  std::string path;
  if (!PathOf(key, subKey, path)) return ERROR_INVALID_HANDLE;
  win32::RegistryTree tree;
  win32::CurrentRegistry().Load(tree);
  const win32::RegistryKey* found = tree.Find(path);
  std::optional<std::string> builtIn = win32::RegistryStore::BuiltIn(path);
  if (!found && !builtIn) return ERROR_FILE_NOT_FOUND;
  *result = NewHandle(found ? found->path : *builtIn);
  return ERROR_SUCCESS;
}

LONG WINAPI RegCreateKeyExA(HKEY key, LPCSTR subKey, DWORD, LPSTR, DWORD, REGSAM,
                            LPSECURITY_ATTRIBUTES, HKEY* result, LPDWORD disposition) {
  if (!result || !subKey) return ERROR_INVALID_PARAMETER;
  *result = nullptr;
  std::string path;
  if (!PathOf(key, subKey, path)) return ERROR_INVALID_HANDLE;
  win32::RegistryStore& store = win32::CurrentRegistry();
  win32::RegistryTree tree;
  bool usable = store.Load(tree);
  bool created = false;
  if (std::optional<std::string> builtIn = win32::RegistryStore::BuiltIn(path)) {
    path = *builtIn;
  } else if (!tree.Find(path)) {
    // A store that cannot be written still hands out the key, as an empty one.
    created = tree.Create(path);
    if (usable && !store.Save(tree)) return ERROR_ACCESS_DENIED;
  }
  if (disposition) *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
  const win32::RegistryKey* found = tree.Find(path);
  *result = NewHandle(found ? found->path : path);
  return ERROR_SUCCESS;
}

LONG WINAPI RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD, LPDWORD type, LPBYTE data,
                             LPDWORD dataSize) {
  std::string path;
  if (!PathOf(key, nullptr, path)) return ERROR_INVALID_HANDLE;
  if (data && !dataSize) return ERROR_INVALID_PARAMETER;
  win32::RegistryTree tree;
  win32::CurrentRegistry().Load(tree);
  const win32::RegistryKey* found = tree.Find(path);
  const win32::RegistryValue* value = found ? found->Find(valueName ? valueName : "") : nullptr;
  if (!value) return ERROR_FILE_NOT_FOUND;
  if (type) *type = value->type;
  DWORD size = static_cast<DWORD>(value->data.size());
  if (data && *dataSize < size) {
    *dataSize = size;
    return ERROR_MORE_DATA;
  }
  if (data) std::memcpy(data, value->data.data(), size);
  if (dataSize) *dataSize = size;
  return ERROR_SUCCESS;
}

LONG WINAPI RegSetValueExA(HKEY key, LPCSTR valueName, DWORD, DWORD type, const BYTE* data,
                           DWORD dataSize) {
  std::string path;
  if (!PathOf(key, nullptr, path)) return ERROR_INVALID_HANDLE;
  if (!data && dataSize) return ERROR_INVALID_PARAMETER;
  win32::RegistryStore& store = win32::CurrentRegistry();
  win32::RegistryTree tree;
  if (!store.Load(tree)) return ERROR_ACCESS_DENIED;
  tree.Create(path);
  win32::RegistryValue value;
  value.name = valueName ? valueName : "";
  value.type = type;
  value.data.assign(reinterpret_cast<const char*>(data), dataSize);
  // Like Windows, a string stored without its terminator gets one.
  if ((type == REG_SZ || type == REG_EXPAND_SZ) &&
      (value.data.empty() || value.data.back() != '\0')) {
    value.data += '\0';
  }
  tree.Find(path)->Set(std::move(value));
  return store.Save(tree) ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

LONG WINAPI RegCloseKey(HKEY key) {
  if (key == HKEY_CURRENT_USER) return ERROR_SUCCESS;
  if (!key || IsPredefined(key)) return ERROR_INVALID_HANDLE;
  delete reinterpret_cast<OpenKey*>(key);
  return ERROR_SUCCESS;
}
