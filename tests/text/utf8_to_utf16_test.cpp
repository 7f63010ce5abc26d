#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/text_conversion.h"

namespace {

// Converts into exactly `units`, with guard units after them.
std::u16string Convert(const std::string& utf8, int units = 64) {
  std::vector<uint16_t> out(static_cast<size_t>(units) + 4, 0xBEEF);
  const int n = Utf8ToUtf16(utf8.c_str(), out.data(), units);
  for (size_t i = static_cast<size_t>(units); i < out.size(); ++i) EXPECT_EQ(out[i], 0xBEEF) << "overrun";
  EXPECT_EQ(out[static_cast<size_t>(n)], 0);
  return std::u16string(out.begin(), out.begin() + n);
}

}  // namespace

TEST(Utf8ToUtf16, ValidTextAndSurrogatePairs) {
  EXPECT_EQ(Convert("M \xE8\xA2\x96\xE4\xB8\x88 \xEF\xBD\xBB"), u"M 袖丈 \uFF7B");
  EXPECT_EQ(Convert("\xF0\x9F\x91\x97"), u"\U0001F457");
  // The pair needs two units and the terminator one.
  EXPECT_EQ(Convert("\xF0\x9F\x91\x97", 2), u"");
  EXPECT_EQ(Convert("ab\xF0\x9F\x91\x97", 4), u"ab");
  EXPECT_EQ(Convert("\xF0\x9F\x91\x97", 3), u"\U0001F457");
}

TEST(Utf8ToUtf16, MalformedInputGivesReplacementWithoutOverreading) {
  const struct {
    std::string utf8;
    std::u16string expected;
  } cases[] = {
      {"ab\xE8\xA2", u"ab\uFFFD"},                // cut short by the end
      {"\xE8x", u"\uFFFDx"},                      // cut short by an ASCII byte
      {"\x80\xBF", u"\uFFFD\uFFFD"},              // stray continuation bytes
      {"\xC0\x80z", u"\uFFFDz"},                  // an overlong NUL must not end the text
      {"\xED\xA0\x80", u"\uFFFD"},                // an encoded surrogate
      {"\xF4\x90\x80\x80", u"\uFFFD"},            // above U+10FFFF
      {"\xF8\x88\x80\x80\x80", u"\uFFFD"},        // five-byte form
      {"\xF8\x80\x80\x80\x80z", u"\uFFFDz"},      // a five-byte NUL must not end the text either
      {"\xFC\x80\x80\x80\x80\x81z", u"\uFFFDz"},  // nor a six-byte control character
  };
  for (const auto& c : cases) EXPECT_EQ(Convert(c.utf8), c.expected);
  std::vector<char> exact = {'x', '\xF0', '\0'};  // the heap block ends right after a lead byte
  uint16_t out[8];
  EXPECT_EQ(Utf8ToUtf16(exact.data(), out, 8), 2);
  EXPECT_EQ(out[1], 0xFFFD);
}
