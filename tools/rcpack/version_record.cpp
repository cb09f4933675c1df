#include "version_record.h"

#include "resource.h"

namespace rcpack {

namespace {

// Writes one node at the end of `out` (which is four-byte aligned there); its length does not
// count the padding after its last part.
void putNode(Bytes& out, const std::u16string& key, const Bytes& value, uint32_t valueLength,
             uint32_t type, const std::vector<VersionNode>& children) {
  const std::size_t start = out.size();
  base::appendLe16(out, 0);  // length, filled in below
  base::appendLe16(out, valueLength);
  base::appendLe16(out, type);
  putText(out, key, true);
  padToDword(out);
  out.insert(out.end(), value.begin(), value.end());
  for (const VersionNode& child : children) {
    padToDword(out);
    Bytes childValue;
    uint32_t childLength = 0;
    if (child.isText) {
      putText(childValue, child.text, true);
      childLength = static_cast<uint32_t>(child.text.size() + 1);  // characters
    } else {
      for (uint16_t n : child.numbers) base::appendLe16(childValue, n);
      childLength = static_cast<uint32_t>(childValue.size());  // bytes
    }
    putNode(out, child.key, childValue, childLength, child.isBlock || child.isText ? 1 : 0,
            child.children);
  }
  const std::size_t length = out.size() - start;
  if (length > 0xFFFF) throw ScriptError("version record part too large");
  base::writeLe16(&out[start], static_cast<uint16_t>(length));
}

}  // namespace

Bytes buildVersion(const FixedVersionInfo& fixed, const std::vector<VersionNode>& blocks) {
  Bytes value;
  base::appendLe32(value, 0xFEEF04BD);  // signature
  base::appendLe32(value, 0x00010000);  // structure version 1.0
  base::appendLe32(value, fixed.fileVersion[0]);
  base::appendLe32(value, fixed.fileVersion[1]);
  base::appendLe32(value, fixed.productVersion[0]);
  base::appendLe32(value, fixed.productVersion[1]);
  base::appendLe32(value, fixed.flagsMask);
  base::appendLe32(value, fixed.flags);
  base::appendLe32(value, fixed.os);
  base::appendLe32(value, fixed.type);
  base::appendLe32(value, fixed.subtype);
  base::appendLe32(value, 0);  // file date
  base::appendLe32(value, 0);
  Bytes out;
  putNode(out, u"VS_VERSION_INFO", value, static_cast<uint32_t>(value.size()), 0, blocks);
  return out;
}

}  // namespace rcpack
