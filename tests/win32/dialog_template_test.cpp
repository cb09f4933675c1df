// Dialog templates as the resources hold them.
#include "user/dialog_template.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "base/little_endian.h"

namespace {

void Word(std::vector<unsigned char>& b, uint16_t w) { base::appendLe16(b, w); }

void Text(std::vector<unsigned char>& b, std::u16string_view s) {
  for (char16_t c : s) Word(b, c);
  Word(b, 0);
}

// The selector's template: 0x90000040, no controls, at (0, 0), 108 x 83, MS Sans Serif 8.
std::vector<unsigned char> Template(std::u16string_view title = u"") {
  std::vector<unsigned char> b;
  Word(b, 0x0040);
  Word(b, 0x9000);
  Word(b, 0);
  Word(b, 0);
  for (unsigned v : {0u, 0u, 0u, 108u, 83u}) Word(b, v);
  Word(b, 0);  // no menu
  Word(b, 0);  // the standard dialog class
  Text(b, title);
  Word(b, 8);
  Text(b, u"MS Sans Serif");
  return b;
}

TEST(DialogTemplate, ReadsTheClassicLayout) {
  std::vector<unsigned char> bytes = Template(u"Panel");
  auto t = win32::ParseDialogTemplate(bytes.data(), bytes.size());
  ASSERT_TRUE(t);
  EXPECT_EQ(t->style, 0x90000040u);
  EXPECT_EQ(t->controls, 0);
  EXPECT_EQ(t->cx, 108);
  EXPECT_EQ(t->cy, 83);
  EXPECT_EQ(t->title, "Panel");
  EXPECT_EQ(t->pointSize, 8);
  EXPECT_EQ(t->face, "MS Sans Serif");
  RECT r = win32::DialogRectInPixels(*t);
  EXPECT_EQ(r.right - r.left, 189);
  EXPECT_EQ(r.bottom - r.top, 135);
}

TEST(DialogTemplate, TitleComesInTheAnsiCodePage) {
  std::vector<unsigned char> bytes = Template(u"\u20AC\u00AE\u0081 \u0100\u0080");
  auto t = win32::ParseDialogTemplate(bytes.data(), bytes.size());
  ASSERT_TRUE(t);
  EXPECT_EQ(t->title, "\x80\xAE\x81 ??");
}

TEST(DialogTemplate, RefusesCutAndExtendedTemplates) {
  std::vector<unsigned char> bytes = Template();
  for (size_t size = 0; size < bytes.size(); ++size) {
    EXPECT_FALSE(win32::ParseDialogTemplate(bytes.data(), size)) << size;
  }
  std::vector<unsigned char> extended = bytes;
  extended[0] = 1;
  extended[1] = 0;
  extended[2] = 0xFF;
  extended[3] = 0xFF;
  EXPECT_FALSE(win32::ParseDialogTemplate(extended.data(), extended.size()));
  EXPECT_FALSE(win32::ParseDialogTemplate(nullptr, 0));
}

}  // namespace
