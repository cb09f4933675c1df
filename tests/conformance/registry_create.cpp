// Registry keys: RegCreateKeyEx makes the keys missing on the way and says so; a second
// call opens them. Reading a missing value fails with ERROR_FILE_NOT_FOUND, and leaves the
// key in place. Run it on a registry that has never seen the key.
#include "check.h"

using conformance::Check;

int main() {
  const char* path = "Software\\ChannelsConformance\\Registry\\Section";
  HKEY key = nullptr;
  DWORD disposition = 0;
  Check(RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_READ | KEY_WRITE, nullptr, &key, &disposition) == ERROR_SUCCESS,
        "RegCreateKeyEx succeeds");
  Check(disposition == REG_CREATED_NEW_KEY, "the key is new");
  char value[16];
  DWORD size = sizeof value;
  DWORD type = 0;
  Check(RegQueryValueExA(key, "Missing", nullptr, &type, reinterpret_cast<BYTE*>(value), &size) ==
            ERROR_FILE_NOT_FOUND,
        "a missing value reads as ERROR_FILE_NOT_FOUND");
  RegCloseKey(key);

  HKEY again = nullptr;
  Check(RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &again) == ERROR_SUCCESS,
        "the key made for the read is there");
  RegCloseKey(again);
  Check(RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_READ | KEY_WRITE, nullptr, &key, &disposition) == ERROR_SUCCESS &&
            disposition == REG_OPENED_EXISTING_KEY,
        "a second RegCreateKeyEx opens it");
  RegCloseKey(key);
  return conformance::Finish("registry_create");
}
