#include "string_table.h"

#include <set>

namespace rcpack {

bool StringTable::add(uint16_t id, uint16_t language, std::u16string text) {
  return strings_.emplace(std::pair{language, id}, std::move(text)).second;
}

std::vector<Resource> StringTable::blocks() const {
  std::set<std::pair<uint16_t, uint16_t>> used;  // (language, block)
  for (const auto& [key, text] : strings_)
    used.insert({key.first, static_cast<uint16_t>(key.second / 16 + 1)});

  std::vector<Resource> resources;
  for (auto [language, block] : used) {
    Resource resource{kString, block, language, {}};
    for (uint32_t slot = 0; slot < 16; ++slot) {
      const auto id = static_cast<uint16_t>((block - 1u) * 16 + slot);
      const auto found = strings_.find({language, id});
      const std::u16string empty;
      const std::u16string& text = found == strings_.end() ? empty : found->second;
      base::appendLe16(resource.data, static_cast<uint16_t>(text.size()));
      putText(resource.data, text, false);
    }
    resources.push_back(std::move(resource));
  }
  return resources;
}

}  // namespace rcpack
