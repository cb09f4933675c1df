// The registry file of this process (CHANNELS_REGISTRY). It is read anew for every access, so
// nothing is cached between accesses, and written atomically after every change. A file that
// cannot be parsed is kept untouched: the store then acts as empty and never writes it.
#pragma once

#include <optional>
#include <string>

#include "registry_tree.h"

namespace win32 {

class RegistryStore {
 public:
  explicit RegistryStore(std::string path) : path_(std::move(path)) {}

  // The current contents; false when the file cannot be used (then `tree` is empty and
  // Save does nothing until the file is readable again).
  bool Load(RegistryTree& tree);
  bool Save(const RegistryTree& tree);

  // Keys every user profile has: the root and HKEY_CURRENT_USER\Software. Gives the key's
  // own spelling of the name, or nothing for any other key.
  static std::optional<std::string> BuiltIn(const std::string& path);

 private:
  std::string path_;
  bool writable_ = true;
  bool warned_ = false;
};

RegistryStore& CurrentRegistry();

}  // namespace win32
