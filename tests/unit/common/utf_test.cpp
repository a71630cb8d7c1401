#include "common/utf.h"

#include <gtest/gtest.h>

namespace norvella {
namespace {

TEST(Utf, RoundTripsAllPlanes) {
  const std::u16string text = u"中文ABC，123 😀 \r\n";
  EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
  EXPECT_EQ(Utf16ToUtf8(u"中"), "\xE4\xB8\xAD");
  EXPECT_EQ(Utf16ToUtf8(u"😀"), "\xF0\x9F\x98\x80");
}

TEST(Utf, BrokenInputBecomesReplacementCharacters) {
  EXPECT_EQ(Utf8ToUtf16("a\xFF" "b"), u"a\uFFFDb");
  EXPECT_EQ(Utf8ToUtf16("\xE4\xB8"), u"\uFFFD\uFFFD");              // cut short
  EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");              // overlong
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xD800')), "\xEF\xBF\xBD");  // lone surrogate
}

TEST(Utf, AsciiCaseFolding) {
  EXPECT_TRUE(EqualsIgnoreAsciiCase(u"FontBold", u"Fontbold"));
  EXPECT_FALSE(EqualsIgnoreAsciiCase(u"Font", u"Fonts"));
  EXPECT_EQ(ToAsciiUpper(u"NorvellaB 便签"), u"NORVELLAB 便签");
}

TEST(Utf, LineBreaksBecomeCrLf) {
  EXPECT_EQ(WithCrLf(u"a\rb\r\nc\nd\r"), u"a\r\nb\r\nc\r\nd\r\n");
  EXPECT_EQ(WithCrLf(u"\r\n\r\n"), u"\r\n\r\n");
  EXPECT_EQ(WithCrLf(u"\n\r"), u"\r\n\r\n");
  EXPECT_EQ(WithCrLf(u""), u"");
}

}  // namespace
}  // namespace norvella
