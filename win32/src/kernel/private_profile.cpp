// Private profile (.INI) files: sections in brackets, key=value lines, names compared without
// regard to case. A file name without a folder lives in the Windows folder.
#include <strings.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/drives.h"
#include "platform/host_files.h"
#include "win32_api.h"

namespace {

std::string HostPathOf(LPCSTR fileName) {
  std::string dos = fileName;
  if (dos.find_first_of("\\/:") == std::string::npos) {
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, sizeof windows);
    dos = std::string(windows) + "\\" + dos;
  }
  return win32::CurrentDrives().ToHost(dos).value_or("");
}

std::string Trim(const std::string& s) {
  size_t b = s.find_first_not_of(" \t\r");
  if (b == std::string::npos) return "";
  size_t e = s.find_last_not_of(" \t\r");
  return s.substr(b, e - b + 1);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

bool IsSection(const std::string& line, const char* section) {
  std::string t = Trim(line);
  return t.size() >= 2 && t.front() == '[' && t.back() == ']' &&
         strcasecmp(Trim(t.substr(1, t.size() - 2)).c_str(), section) == 0;
}

bool IsAnySection(const std::string& line) {
  std::string t = Trim(line);
  return !t.empty() && t.front() == '[';
}

// The index of the line holding `key` in `section`, or -1.
long FindKey(const std::vector<std::string>& lines, const char* section, const char* key) {
  bool inSection = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (IsAnySection(lines[i])) {
      inSection = IsSection(lines[i], section);
    } else if (inSection) {
      size_t eq = lines[i].find('=');
      if (eq != std::string::npos && strcasecmp(Trim(lines[i].substr(0, eq)).c_str(), key) == 0) {
        return static_cast<long>(i);
      }
    }
  }
  return -1;
}

bool ReadValue(LPCSTR section, LPCSTR key, LPCSTR fileName, std::string& value) {
  std::string path = HostPathOf(fileName);
  std::string text;
  if (path.empty() || win32::ReadWholeFile(path, text) != win32::ReadStatus::kOk) return false;
  std::vector<std::string> lines = Lines(text);
  long i = FindKey(lines, section, key);
  if (i < 0) return false;
  const std::string& line = lines[static_cast<size_t>(i)];
  value = Trim(line.substr(line.find('=') + 1));
  return true;
}

}  // namespace

DWORD WINAPI GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue,
                                      LPSTR returned, DWORD size, LPCSTR fileName) {
  if (!returned || size == 0) return 0;
  std::string value;
  if (!section || !key || !fileName || !ReadValue(section, key, fileName, value)) {
    value = defaultValue ? defaultValue : "";
  }
  DWORD n = static_cast<DWORD>(value.size() < size ? value.size() : size - 1);
  std::memcpy(returned, value.data(), n);
  returned[n] = '\0';
  return n;
}

UINT WINAPI GetPrivateProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR fileName) {
  std::string value;
  if (!section || !key || !fileName || !ReadValue(section, key, fileName, value)) {
    return static_cast<UINT>(defaultValue);
  }
  return static_cast<UINT>(std::strtol(value.c_str(), nullptr, 10));
}

BOOL WINAPI WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR fileName) {
  if (!section || !key || !value || !fileName) return FALSE;
  std::string path = HostPathOf(fileName);
  if (path.empty()) return FALSE;
  std::string text;
  if (win32::ReadWholeFile(path, text) == win32::ReadStatus::kUnreadable) return FALSE;
  std::vector<std::string> lines = Lines(text);

  std::string entry = std::string(key) + "=" + value;
  long i = FindKey(lines, section, key);
  if (i >= 0) {
    lines[static_cast<size_t>(i)] = entry;
  } else {
    size_t at = lines.size();
    bool found = false;
    for (size_t j = 0; j < lines.size(); ++j) {
      if (IsSection(lines[j], section)) {
        found = true;
        at = j + 1;
        while (at < lines.size() && !IsAnySection(lines[at])) ++at;
        while (at > j + 1 && Trim(lines[at - 1]).empty()) --at;
        break;
      }
    }
    if (!found) lines.push_back(std::string("[") + section + "]");
    lines.insert(lines.begin() + static_cast<long>(found ? at : lines.size()), entry);
  }
  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return win32::WriteFileAtomically(path, out) ? TRUE : FALSE;
}
