// The registry as one text file in the REGEDIT4 export format: keys in brackets, then their
// values ("name"="text", "name"=dword:0000002a, "name"=hex:.., "name"=hex(N):..).
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace win32 {

struct RegistryValue {
  std::string name;  // empty: the key's default value (@)
  uint32_t type = 0;
  std::string data;  // raw bytes, as RegQueryValueEx returns them
};

struct RegistryKey {
  std::string path;  // full path with its root, e.g. HKEY_CURRENT_USER\Software\Kulvo
  std::vector<RegistryValue> values;

  const RegistryValue* Find(const std::string& name) const;
  void Set(RegistryValue value);
};

class RegistryTree {
 public:
  // Nothing when the text is not a REGEDIT4 file we understand; `error` says why and where.
  static std::optional<RegistryTree> Parse(const std::string& text, std::string& error);
  std::string Serialize() const;

  // Paths compare without regard to case.
  RegistryKey* Find(const std::string& path);
  // Creates the key and every missing key above it; true when anything was created.
  bool Create(const std::string& path);

 private:
  std::map<std::string, RegistryKey> keys_;  // by lower-case path, so parents sort first
};

}  // namespace win32
