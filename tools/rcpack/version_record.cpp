#include "version_record.h"

#include "resource.h"

namespace rcpack {

namespace {

// Writes one node at the end of `out` (which is four-byte aligned there); its length does not
// count the padding after its last part.
void putNode(Bytes& out, const std::u16string& key, const Bytes& value, uint32_t valueLength,
             uint32_t type, const std::vector<VersionNode>& children) {
  const std::size_t start = out.size();
  putWord(out, 0);  // length, filled in below
  putWord(out, valueLength);
  putWord(out, type);
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
      for (uint16_t n : child.numbers) putWord(childValue, n);
      childLength = static_cast<uint32_t>(childValue.size());  // bytes
    }
    putNode(out, child.key, childValue, childLength, child.isBlock || child.isText ? 1 : 0,
            child.children);
  }
  const std::size_t length = out.size() - start;
  if (length > 0xFFFF) throw ScriptError("version record part too large");
  out[start] = static_cast<uint8_t>(length);
  out[start + 1] = static_cast<uint8_t>(length >> 8);
}

}  // namespace

Bytes buildVersion(const FixedVersionInfo& fixed, const std::vector<VersionNode>& blocks) {
  Bytes value;
  putDword(value, 0xFEEF04BD);  // signature
  putDword(value, 0x00010000);  // structure version 1.0
  putDword(value, fixed.fileVersion[0]);
  putDword(value, fixed.fileVersion[1]);
  putDword(value, fixed.productVersion[0]);
  putDword(value, fixed.productVersion[1]);
  putDword(value, fixed.flagsMask);
  putDword(value, fixed.flags);
  putDword(value, fixed.os);
  putDword(value, fixed.type);
  putDword(value, fixed.subtype);
  putDword(value, 0);  // file date
  putDword(value, 0);
  Bytes out;
  putNode(out, u"VS_VERSION_INFO", value, static_cast<uint32_t>(value.size()), 0, blocks);
  return out;
}

}  // namespace rcpack
