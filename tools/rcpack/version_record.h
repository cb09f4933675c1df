// Version records: a tree of nodes, each a length, a value length, a type (1 text, 0 binary),
// a UTF-16 key, its value and its children, every part starting on a four-byte boundary.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "byte_writer.h"

namespace rcpack {

struct FixedVersionInfo {
  uint32_t fileVersion[2] = {0, 0};  // most, least significant
  uint32_t productVersion[2] = {0, 0};
  uint32_t flagsMask = 0, flags = 0, os = 0, type = 0, subtype = 0;
};

// A BLOCK (children, no value) or a VALUE (text, or a list of 16-bit numbers).
struct VersionNode {
  std::u16string key;
  bool isBlock = false;
  bool isText = false;
  std::u16string text;
  std::vector<uint16_t> numbers;
  std::vector<VersionNode> children;
};

Bytes buildVersion(const FixedVersionInfo& fixed, const std::vector<VersionNode>& blocks);

}  // namespace rcpack
