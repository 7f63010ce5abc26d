#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/text_conversion.h"

namespace {

// "サイズ", "袖丈" and half-width "ｻｲｽﾞ" in Shift-JIS and UTF-8.
const std::string kSizeSjis = "\x83\x54\x83\x43\x83\x59", kSizeUtf8 = "\xE3\x82\xB5\xE3\x82\xA4\xE3\x82\xBA";
const std::string kSleeveSjis = "\x91\xB3\x8F\xE4", kSleeveUtf8 = "\xE8\xA2\x96\xE4\xB8\x88";
const std::string kHalfSjis = "\xBB\xB2\xBD\xDE";
const std::string kHalfUtf8 = "\xEF\xBD\xBB\xEF\xBD\xB2\xEF\xBD\xBD\xEF\xBE\x9E";

using Narrow = int (*)(const char*, char*, int);

// Converts into a block of exactly size bytes, with guard bytes after it.
std::string Convert(Narrow convert, const std::string& source, int size) {
  std::vector<char> out(static_cast<size_t>(size) + 8, '\x7E');
  convert(source.c_str(), out.data(), size);
  for (size_t i = static_cast<size_t>(size); i < out.size(); ++i) EXPECT_EQ(out[i], '\x7E') << "overrun";
  return std::string(out.data());
}

int BufferFor(const std::string& source) { return (static_cast<int>(source.size()) + 1) * 3; }

}  // namespace

TEST(CodePageConvert, WholeTextsAndCutsOnWholeCharacters) {
  const struct {
    Narrow convert;
    std::string source;
    int size;
    std::string expected;
  } cases[] = {
      {ShiftJisToUtf8, "M" + kSizeSjis, BufferFor("M" + kSizeSjis), "M" + kSizeUtf8},
      // Each half-width katakana grows from one byte to three and still fits (n + 1) x 3.
      {ShiftJisToUtf8, kHalfSjis, BufferFor(kHalfSjis), kHalfUtf8},
      {ShiftJisToUtf8, kSleeveSjis, 6, "\xE8\xA2\x96"},
      {Utf8ToShiftJis, "M" + kSizeUtf8, 8, "M" + kSizeSjis},
      {Utf8ToShiftJis, "M" + kSizeUtf8, 7, "M\x83\x54\x83\x43"},
      {Utf8ToShiftJis, kHalfUtf8, 3, "\xBB\xB2"},
      {Utf8ToShiftJis, "\xE8\xA1\xA8", 8, "\x95\x5C"},                    // "表" ends in a backslash byte
      {ShiftJisToUtf8, "A\x81 B", 16, "A\xE3\x83\xBB B"},                 // an invalid byte costs only itself
      {Cp949ToUtf8, "\xC7\xD1\xB1\xDB", 16, "\xED\x95\x9C\xEA\xB8\x80"},  // "한글"
      {Cp949ToUtf8, "\xC7\xD1\xB1\xDB", 6, "\xED\x95\x9C"},
  };
  for (const auto& c : cases) EXPECT_EQ(Convert(c.convert, c.source, c.size), c.expected) << c.size;
}

TEST(CodePageConvert, ShiftJisToUtf16AppendsWithinTheDestination) {
  std::vector<uint16_t> text = {'S', 0, 0x7777, 0x7777, 0x7777, 0x7777, 0x7777, 0x7777};
  // 8 bytes are four units: "S", two katakana and the terminator.
  EXPECT_EQ(ShiftJisToUtf16(kHalfSjis.c_str(), text.data(), 8), 2);
  EXPECT_EQ(std::u16string(text.begin(), text.begin() + 5), std::u16string(u"S\uFF7B\uFF72\0\u7777", 5));
  EXPECT_EQ(CountedShiftJisToUtf16(kSleeveSjis.c_str(), text.data(), 16), 2);
  EXPECT_EQ(std::u16string(text.begin(), text.begin() + 5), u"S\uFF7B\uFF72袖丈");

  std::vector<uint16_t> full(3, 'x');  // no terminator to append at
  EXPECT_EQ(ShiftJisToUtf16("a", full.data(), 6), 0);
  EXPECT_EQ(full, std::vector<uint16_t>(3, 'x'));
}
