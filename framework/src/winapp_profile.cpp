// The application's settings store: registry or private profile file.
#include <cstdio>
#include <cstring>
#include <string>

#include "base/little_endian.h"
#include "framework/winapp.h"

void CWinApp::SetRegistryKey(LPCTSTR company) {
  registryKey_ = company ? company : "";
  m_pszRegistryKey = registryKey_.c_str();
}

HKEY CWinApp::OpenSectionKey(LPCTSTR section) {
  // Every access opens the whole path anew and creates missing keys, even for a read.
  HKEY software = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "software", 0, KEY_WRITE | KEY_READ, &software) !=
      ERROR_SUCCESS) {
    return nullptr;
  }
  HKEY key = software;
  for (LPCTSTR name : {m_pszRegistryKey, m_pszAppName, section}) {
    HKEY next = nullptr;
    DWORD disposition;
    LONG result = RegCreateKeyExA(key, name, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  KEY_WRITE | KEY_READ, nullptr, &next, &disposition);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) return nullptr;
    key = next;
  }
  return key;
}

CString CWinApp::GetProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR defaultValue) {
  if (!m_pszRegistryKey) {
    char buffer[260];
    GetPrivateProfileStringA(section, entry, defaultValue ? defaultValue : "", buffer,
                             sizeof buffer, m_pszProfileName);
    return CString(buffer);
  }
  HKEY key = OpenSectionKey(section);
  if (!key) return CString(defaultValue);
  DWORD type = 0;
  DWORD size = 0;
  LONG result = RegQueryValueExA(key, entry, nullptr, &type, nullptr, &size);
  std::string value;
  if (result == ERROR_SUCCESS) {
    value.assign(size, '\0');
    result =
        RegQueryValueExA(key, entry, nullptr, &type, reinterpret_cast<LPBYTE>(value.data()), &size);
    value.resize(strnlen(value.c_str(), size));
  }
  RegCloseKey(key);
  return result == ERROR_SUCCESS ? CString(value) : CString(defaultValue);
}

UINT CWinApp::GetProfileInt(LPCTSTR section, LPCTSTR entry, int defaultValue) {
  if (!m_pszRegistryKey) {
    return GetPrivateProfileIntA(section, entry, defaultValue, m_pszProfileName);
  }
  HKEY key = OpenSectionKey(section);
  if (!key) return static_cast<UINT>(defaultValue);
  BYTE bytes[4] = {};
  DWORD type = 0;
  DWORD size = sizeof bytes;
  LONG result = RegQueryValueExA(key, entry, nullptr, &type, bytes, &size);
  RegCloseKey(key);
  // Anything but exactly four bytes (a longer value, or a shorter one that would leave the
  // number partly unset) reads as the default.
  if (result != ERROR_SUCCESS || size != sizeof bytes) return static_cast<UINT>(defaultValue);
  return base::readLe32(bytes);
}

BOOL CWinApp::WriteProfileInt(LPCTSTR section, LPCTSTR entry, int value) {
  if (!m_pszRegistryKey) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    return WritePrivateProfileStringA(section, entry, text, m_pszProfileName);
  }
  HKEY key = OpenSectionKey(section);
  if (!key) return FALSE;
  BYTE bytes[4];
  base::writeLe32(bytes, static_cast<uint32_t>(value));
  LONG result = RegSetValueExA(key, entry, 0, REG_DWORD, bytes, sizeof bytes);
  RegCloseKey(key);
  return result == ERROR_SUCCESS;
}
