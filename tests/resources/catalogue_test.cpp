// The Linux resource table holds what the program's resource catalogue lists: the inventory,
// the dialog template, the icon and the version record. Bitmaps and texts have tests of their own.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "res/resource_ids.h"
#include "resource_bytes.h"
#include "win32/module_resources.h"

namespace {

using channels_test::field;
using channels_test::loadResource;

std::u16string textAt(const std::vector<uint8_t>& data, std::size_t& at) {
  std::u16string text;
  for (char16_t c; (c = static_cast<char16_t>(field(data, at, 2))) != 0; at += 2) text += c;
  at += 2;
  return text;
}

TEST(ResourceCatalogue, HoldsExactlyTheListedResourcesAllInEnglish) {
  // The icon's two pictures are icon images 1 and 2.
  std::set<std::tuple<int, int>> expected = {
      {5, IDD_REMOTE}, {3, 1}, {3, 2}, {14, IDI_CHANNELS}, {16, VS_VERSION_INFO}};
  for (int id : {IDB_QUIT_PRESSED, IDB_QUIT, IDB_KEY1_PRESSED, IDB_KEY1, IDB_KEY2_PRESSED, IDB_KEY2,
                 IDB_KEY3_PRESSED, IDB_KEY3, IDB_KEY4_PRESSED, IDB_KEY4})
    expected.insert({2, id});
  // String blocks hold sixteen texts each.
  for (int id : {IDS_WINDOWS_TOO_OLD, IDS_VIDEO_WARNING, IDS_NOT_256_COLORS, IDS_NO_PALETTES,
                 AFX_IDS_APP_TITLE, AFX_IDP_INTERNAL_FAILURE, AFX_IDP_COMMAND_FAILURE,
                 AFX_IDP_FAILED_MEMORY_ALLOC})
    expected.insert({6, id / 16 + 1});

  std::set<std::tuple<int, int>> actual;
  const win32::ModuleResources& table = win32::g_moduleResources;
  for (std::size_t i = 0; i < table.count; ++i) {
    const win32::ModuleResource& r = table.entries[i];
    actual.insert({r.type, r.id});
    EXPECT_EQ(r.language, 0x0409) << "type " << r.type << " number " << r.id;
  }
  EXPECT_EQ(actual, expected);
  EXPECT_EQ(table.count, expected.size());
}

TEST(ResourceCatalogue, PanelDialogTemplate) {
  const std::vector<uint8_t> d = loadResource(5, IDD_REMOTE);
  ASSERT_FALSE(d.empty());
  EXPECT_EQ(field(d, 0, 4), 0x90000040u);  // WS_POPUP | WS_VISIBLE | DS_SETFONT
  EXPECT_EQ(field(d, 4, 4), 0u);           // extended style
  EXPECT_EQ(field(d, 8, 2), 0u);           // controls
  EXPECT_EQ(field(d, 10, 2), 0u);          // x
  EXPECT_EQ(field(d, 12, 2), 0u);          // y
  EXPECT_EQ(field(d, 14, 2), 108u);        // width
  EXPECT_EQ(field(d, 16, 2), 83u);         // height
  EXPECT_EQ(field(d, 18, 2), 0u);          // no menu
  EXPECT_EQ(field(d, 20, 2), 0u);          // standard dialog class
  EXPECT_EQ(field(d, 22, 2), 0u);          // empty caption
  EXPECT_EQ(field(d, 24, 2), 8u);          // point size
  std::size_t at = 26;
  EXPECT_EQ(textAt(d, at), u"MS Sans Serif");
  EXPECT_EQ(at, d.size());
}

TEST(ResourceCatalogue, IconGroupHoldsTwoSixteenColourImagesWithAlmostEmptyMasks) {
  const std::vector<uint8_t> group = loadResource(14, IDI_CHANNELS);
  ASSERT_EQ(group.size(), 6u + 2 * 14);
  EXPECT_EQ(field(group, 2, 2), 1u);  // icons, not cursors
  EXPECT_EQ(field(group, 4, 2), 2u);

  struct Expected {
    unsigned side, bytes, transparent;
  };
  const Expected images[2] = {{32, 744, 7}, {16, 296, 3}};
  for (unsigned i = 0; i < 2; ++i) {
    const std::size_t entry = 6 + i * 14;
    const Expected& e = images[i];
    EXPECT_EQ(group[entry], e.side);
    EXPECT_EQ(group[entry + 1], e.side);
    EXPECT_EQ(group[entry + 2], 16u);           // colours
    EXPECT_EQ(field(group, entry + 6, 2), 4u);  // bits per pixel
    EXPECT_EQ(field(group, entry + 8, 4), e.bytes);
    EXPECT_EQ(field(group, entry + 12, 2), i + 1);  // icon image number

    const std::vector<uint8_t> image = loadResource(3, static_cast<uint16_t>(i + 1));
    ASSERT_EQ(image.size(), e.bytes);
    EXPECT_EQ(field(image, 4, 4), e.side);
    EXPECT_EQ(field(image, 8, 4), 2 * e.side);  // picture and mask
    EXPECT_EQ(field(image, 14, 2), 4u);
    // The mask follows the header, 16 colours and the 4-bit picture; its rows are 4 bytes.
    const std::size_t mask = 40 + 64 + e.side * e.side / 2;
    unsigned transparent = 0;
    for (std::size_t row = 0; row < e.side; ++row)
      for (std::size_t x = 0; x < e.side; ++x)
        transparent += (image[mask + row * 4 + x / 8] >> (7 - x % 8)) & 1;
    EXPECT_EQ(transparent, e.transparent);
  }
}

// One node of the version record: length, value length, type, key, value, children.
struct VersionNode {
  uint32_t valueLength = 0, type = 0;
  std::u16string key;
  std::vector<uint8_t> value;
  std::vector<VersionNode> children;
};

VersionNode parseVersionNode(const std::vector<uint8_t>& d, std::size_t at) {
  const std::size_t end = at + field(d, at, 2);
  if (end > d.size()) throw std::out_of_range("version node outside the record");
  VersionNode node;
  node.valueLength = field(d, at + 2, 2);
  node.type = field(d, at + 4, 2);
  std::size_t p = at + 6;
  node.key = textAt(d, p);
  p = (p + 3) & ~std::size_t{3};
  const std::size_t valueBytes = node.type == 1 ? node.valueLength * 2 : node.valueLength;
  node.value.assign(d.begin() + static_cast<std::ptrdiff_t>(p),
                    d.begin() + static_cast<std::ptrdiff_t>(p + valueBytes));
  p = (p + valueBytes + 3) & ~std::size_t{3};
  while (p < end) {
    node.children.push_back(parseVersionNode(d, p));
    p = (p + field(d, p, 2) + 3) & ~std::size_t{3};
  }
  return node;
}

TEST(ResourceCatalogue, VersionRecord) {
  const std::vector<uint8_t> d = loadResource(16, VS_VERSION_INFO);
  ASSERT_FALSE(d.empty());
  const VersionNode root = parseVersionNode(d, 0);
  EXPECT_EQ(field(d, 0, 2), d.size());
  EXPECT_EQ(root.key, u"VS_VERSION_INFO");
  ASSERT_EQ(root.value.size(), 52u);
  const std::vector<uint8_t>& f = root.value;
  EXPECT_EQ(field(f, 0, 4), 0xFEEF04BDu);
  EXPECT_EQ(field(f, 8, 4), 0x00010000u);   // file version 1.0
  EXPECT_EQ(field(f, 12, 4), 0x00000001u);  // .0.1
  EXPECT_EQ(field(f, 16, 4), 0x00020000u);  // product version 2.0
  EXPECT_EQ(field(f, 20, 4), 0x00000000u);  // .0.0
  EXPECT_EQ(field(f, 24, 4), 0x3Fu);        // flags mask
  EXPECT_EQ(field(f, 28, 4), 0x8u);         // VS_FF_PRIVATEBUILD
  EXPECT_EQ(field(f, 32, 4), 0x40004u);     // VOS_NT_WINDOWS32
  EXPECT_EQ(field(f, 36, 4), 1u);           // VFT_APP

  ASSERT_EQ(root.children.size(), 2u);
  const VersionNode& strings = root.children[0];
  EXPECT_EQ(strings.key, u"StringFileInfo");
  ASSERT_EQ(strings.children.size(), 1u);
  EXPECT_EQ(strings.children[0].key, u"040904B0");
  bool privateBuild = false;
  for (const VersionNode& value : strings.children[0].children) {
    EXPECT_EQ(value.type, 1u);
    EXPECT_GT(value.valueLength, 1u) << "empty value";
    privateBuild |= value.key == u"PrivateBuild";
  }
  EXPECT_TRUE(privateBuild) << "VS_FF_PRIVATEBUILD asks for a PrivateBuild text";

  const VersionNode& vars = root.children[1];
  EXPECT_EQ(vars.key, u"VarFileInfo");
  ASSERT_EQ(vars.children.size(), 1u);
  EXPECT_EQ(vars.children[0].key, u"Translation");
  EXPECT_EQ(vars.children[0].value, (std::vector<uint8_t>{0x09, 0x04, 0xB0, 0x04}));
}

}  // namespace
