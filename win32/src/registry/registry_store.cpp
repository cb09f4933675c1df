#include "registry_store.h"

#include <strings.h>

#include <cstdio>

#include "platform/host_files.h"
#include "platform/settings.h"

namespace win32 {

bool RegistryStore::Load(RegistryTree& tree) {
  std::string text;
  std::string why;
  tree = RegistryTree();
  switch (ReadWholeFile(path_, text)) {
    case ReadStatus::kMissing:
      writable_ = true;
      return true;
    case ReadStatus::kUnreadable:
      why = "it cannot be read";
      break;
    case ReadStatus::kOk:
      if (auto parsed = RegistryTree::Parse(text, why)) {
        tree = std::move(*parsed);
        writable_ = true;
        return true;
      }
      break;
  }
  writable_ = false;
  if (!warned_) {
    std::fprintf(stderr,
                 "channels: registry file %s is not used (%s); it is left as it is and settings "
                 "are not saved\n",
                 path_.c_str(), why.c_str());
    warned_ = true;
  }
  return false;
}

bool RegistryStore::Save(const RegistryTree& tree) {
  return writable_ && WriteFileAtomically(path_, tree.Serialize());
}

std::optional<std::string> RegistryStore::BuiltIn(const std::string& path) {
  for (const char* key : {"HKEY_CURRENT_USER", "HKEY_CURRENT_USER\\Software"}) {
    if (strcasecmp(path.c_str(), key) == 0) return key;
  }
  return std::nullopt;
}

RegistryStore& CurrentRegistry() {
  static RegistryStore store(CurrentSettings().registryPath);
  return store;
}

}  // namespace win32
