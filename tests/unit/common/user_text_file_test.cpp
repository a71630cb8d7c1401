#include "common/user_text_file.h"

#include <gtest/gtest.h>

#include "tests/support/gbk_codec.h"
#include "tests/support/memory_file_system.h"

namespace norvella::testing {
namespace {

TEST(UserTextFile, TextTheCodePageHoldsIsWrittenInIt) {
  GbkCodec gbk;
  const EncodedText encoded = EncodeUserText(u"中文ABC，123\r\n", gbk);
  EXPECT_FALSE(encoded.utf8);
  EXPECT_EQ(encoded.bytes, "\xD6\xD0\xCE\xC4" "ABC" "\xA3\xAC" "123\r\n");
  EXPECT_EQ(EncodeUserText(u"", gbk).bytes, "");
}

TEST(UserTextFile, TextWithCharactersTheCodePageLacksIsWrittenAsUtf8WithBom) {
  GbkCodec gbk;
  const std::u16string text = u"便签 😀 done\r\n";
  const EncodedText encoded = EncodeUserText(text, gbk);
  EXPECT_TRUE(encoded.utf8);
  EXPECT_EQ(encoded.bytes, "\xEF\xBB\xBF" "\xE4\xBE\xBF\xE7\xAD\xBE \xF0\x9F\x98\x80 done\r\n");
  EXPECT_EQ(DecodeUserText(encoded.bytes, gbk), text);
  EXPECT_EQ(DecodeUserText(EncodeUserText(u"中文", gbk).bytes, gbk), u"中文");
}

TEST(UserTextFile, AFailedWriteLeavesTheEarlierFile) {
  GbkCodec gbk;
  MemoryFileSystem files;
  ASSERT_TRUE(WriteUserTextFile(files, gbk, u"C:\\a.txt", u"first"));
  files.failing.insert(u"C:\\a.txt");
  EXPECT_FALSE(WriteUserTextFile(files, gbk, u"C:\\a.txt", u"second"));
  EXPECT_EQ(files.files[u"C:\\a.txt"], "first");
}

}  // namespace
}  // namespace norvella::testing
