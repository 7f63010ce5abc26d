#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/text_conversion.h"

namespace {

std::u16string Convert(const std::string& utf8, int units = 64) {
  std::vector<uint16_t> out(static_cast<size_t>(units) + 4, 0xBEEF);
  const int n = Utf8ToUtf16(utf8.c_str(), out.data(), units);
  EXPECT_EQ(out[static_cast<size_t>(n)], 0);
  for (size_t i = static_cast<size_t>(units); i < out.size(); ++i)
    EXPECT_EQ(out[i], 0xBEEF) << "written past the end";
  return std::u16string(out.begin(), out.begin() + n);
}

}  // namespace

TEST(Utf8ToUtf16, ValidTextAsThePublishedAlgorithmGivesIt) {
  EXPECT_EQ(Convert("Size M"), u"Size M");
  EXPECT_EQ(Convert("\xC3\xA9"), u"\u00E9");
  EXPECT_EQ(Convert("\xE8\xA2\x96\xE4\xB8\x88"), u"袖丈");
  EXPECT_EQ(Convert("\xEF\xBD\xBB"), u"\uFF7B");  // half-width katakana sa
  EXPECT_EQ(Convert("\xF0\x9F\x91\x97"), u"\U0001F457");
  EXPECT_EQ(Convert("\xF4\x8F\xBF\xBF"), u"\U0010FFFF");
  EXPECT_EQ(Convert(""), u"");
}

TEST(Utf8ToUtf16, SurrogatePairNeedsRoomForItselfAndTheTerminator) {
  EXPECT_EQ(Convert("\xF0\x9F\x91\x97", 2), u"");
  EXPECT_EQ(Convert("\xF0\x9F\x91\x97", 3), u"\U0001F457");
  EXPECT_EQ(Convert("ab\xF0\x9F\x91\x97", 4), u"ab");
  EXPECT_EQ(Convert("abc", 1), u"");
}

TEST(Utf8ToUtf16, MalformedInputGivesReplacementWithoutOverreading) {
  struct Case {
    std::string utf8;
    std::u16string expected;
  } cases[] = {
      {"ab\xE8\xA2", u"ab\uFFFD"},  // cut short by the end
      {"\xF0\x9F", u"\uFFFD"},
      {"\xE8"
       "x",
       u"\uFFFDx"},                   // cut short by an ASCII byte
      {"\x80\xBF", u"\uFFFD\uFFFD"},  // stray continuation bytes
      {"\xC0\x80"
       "z",
       u"\uFFFDz"},                         // overlong NUL must not end the text
      {"\xED\xA0\x80", u"\uFFFD"},          // an encoded surrogate
      {"\xF4\x90\x80\x80", u"\uFFFD"},      // above U+10FFFF
      {"\xF8\x88\x80\x80\x80", u"\uFFFD"},  // five-byte form
      {"\xFC", u"\uFFFD"},
  };
  for (const Case& c : cases) EXPECT_EQ(Convert(c.utf8), c.expected);

  // The source ends exactly at a lead byte on a heap block of its own size.
  std::vector<char> exact = {'x', '\xF0', '\0'};
  uint16_t out[8];
  EXPECT_EQ(Utf8ToUtf16(exact.data(), out, 8), 2);
  EXPECT_EQ(out[1], 0xFFFD);
}

TEST(Utf8ToUtf16, NothingIsWrittenWithoutRoom) {
  uint16_t out[1] = {0x1234};
  EXPECT_EQ(Utf8ToUtf16("a", out, 0), 0);
  EXPECT_EQ(out[0], 0x1234);
  EXPECT_EQ(Utf8ToUtf16(nullptr, out, 1), 0);
  EXPECT_EQ(out[0], 0);
}
