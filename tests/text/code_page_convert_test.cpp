#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/text_conversion.h"

namespace {

// "サイズ" and "袖丈" in both encodings, and "ｻｲｽﾞ" in half-width katakana.
const std::string kSizeSjis = "\x83\x54\x83\x43\x83\x59";
const std::string kSizeUtf8 = "\xE3\x82\xB5\xE3\x82\xA4\xE3\x82\xBA";
const std::string kSleeveSjis = "\x91\xB3\x8F\xE4";
const std::string kSleeveUtf8 = "\xE8\xA2\x96\xE4\xB8\x88";
const std::string kHalfWidthSjis = "\xBB\xB2\xBD\xDE";
const std::string kHalfWidthUtf8 = "\xEF\xBD\xBB\xEF\xBD\xB2\xEF\xBD\xBD\xEF\xBE\x9E";

using Narrow = int (*)(const char*, char*, int);

// Converts into a block of exactly size bytes, with guard bytes after it.
std::string Convert(Narrow convert, const std::string& source, int size, int* result = nullptr) {
  std::vector<char> out(static_cast<size_t>(size) + 8, '\x7E');
  const int n = convert(source.c_str(), out.data(), size);
  if (result != nullptr) *result = n;
  for (size_t i = static_cast<size_t>(size); i < out.size(); ++i)
    EXPECT_EQ(out[i], '\x7E') << "written past the end";
  return std::string(out.data());
}

int BufferFor(const std::string& source) { return (static_cast<int>(source.size()) + 1) * 3; }

}  // namespace

TEST(CodePageConvert, ShiftJisToUtf8KeepsKanjiKanaAndHalfWidthKatakana) {
  int n = 0;
  EXPECT_EQ(Convert(ShiftJisToUtf8, "M" + kSizeSjis, BufferFor("M" + kSizeSjis), &n), "M" + kSizeUtf8);
  EXPECT_EQ(n, 10);
  EXPECT_EQ(Convert(ShiftJisToUtf8, kSleeveSjis, BufferFor(kSleeveSjis)), kSleeveUtf8);
  // Each half-width katakana grows from one byte to three, and still fits the (n + 1) x 3 buffer.
  EXPECT_EQ(Convert(ShiftJisToUtf8, kHalfWidthSjis, BufferFor(kHalfWidthSjis)), kHalfWidthUtf8);
  EXPECT_EQ(Convert(ShiftJisToUtf8, "", BufferFor("")), "");
}

TEST(CodePageConvert, ShortDestinationsCutOnWholeCharacters) {
  struct Case {
    Narrow convert;
    std::string source;
    int size;
    std::string expected;
  } cases[] = {
      {ShiftJisToUtf8, kSleeveSjis, 6, "\xE8\xA2\x96"},
      {ShiftJisToUtf8, kSleeveSjis, 7, kSleeveUtf8},
      {ShiftJisToUtf8, kHalfWidthSjis, 8, "\xEF\xBD\xBB\xEF\xBD\xB2"},
      {ShiftJisToUtf8, "ab", 1, ""},
      {Utf8ToShiftJis, "M" + kSizeUtf8, 8, "M" + kSizeSjis},
      {Utf8ToShiftJis, "M" + kSizeUtf8, 7, "M\x83\x54\x83\x43"},
      {Utf8ToShiftJis, "M" + kSizeUtf8, 6, "M\x83\x54\x83\x43"},
      {Utf8ToShiftJis, "M" + kSizeUtf8, 5, "M\x83\x54"},
      {Utf8ToShiftJis, kHalfWidthUtf8, 3, "\xBB\xB2"},
  };
  for (const Case& c : cases) EXPECT_EQ(Convert(c.convert, c.source, c.size), c.expected) << c.size;

  char untouched = '#';
  EXPECT_EQ(ShiftJisToUtf8("abc", &untouched, 0), 0);
  EXPECT_EQ(untouched, '#');
}

TEST(CodePageConvert, Utf8ToShiftJisRoundTripsThePatternTexts) {
  const std::string piece = "\x91\x4F\x90\x67\x8D\xA0 " + kSizeSjis + " LL";  // "前身頃 サイズ LL"
  std::vector<char> utf8(static_cast<size_t>(BufferFor(piece)));
  ShiftJisToUtf8(piece.c_str(), utf8.data(), static_cast<int>(utf8.size()));
  EXPECT_EQ(Convert(Utf8ToShiftJis, utf8.data(), BufferFor(utf8.data())), piece);
  // "表" ends in the byte of a backslash and must survive as a whole.
  EXPECT_EQ(Convert(Utf8ToShiftJis, "\xE8\xA1\xA8", 8), "\x95\x5C");
}

TEST(CodePageConvert, Cp949ToUtf8ReadsKoreanText) {
  EXPECT_EQ(Convert(Cp949ToUtf8, "\xC7\xD1\xB1\xDB", 16), "\xED\x95\x9C\xEA\xB8\x80");  // "한글"
  EXPECT_EQ(Convert(Cp949ToUtf8, "\xC7\xD1\xB1\xDB", 6), "\xED\x95\x9C");
  EXPECT_EQ(Convert(Cp949ToUtf8, "size 100", 16), "size 100");
}

TEST(CodePageConvert, InvalidShiftJisCostsOnlyItselfAndTheRestArrives) {
  const std::string out = Convert(ShiftJisToUtf8, "A\x81 B" + kSleeveSjis, 32);
  EXPECT_EQ(out.substr(0, 1), "A");
  EXPECT_EQ(out.substr(out.size() - 8), " B" + kSleeveUtf8);
  // A lead byte cut off by the end of the text.
  EXPECT_EQ(Convert(ShiftJisToUtf8, "A\x91", 32).substr(0, 1), "A");
}

TEST(CodePageConvert, ShiftJisToUtf16AppendsWithinTheDestination) {
  std::vector<uint16_t> text(8, 0x7777);
  text[0] = 'S';
  text[1] = 0;
  // 8 bytes are four units: "S", two katakana and the terminator.
  EXPECT_EQ(ShiftJisToUtf16(kHalfWidthSjis.c_str(), text.data(), 8), 2);
  EXPECT_EQ(std::u16string(text.begin(), text.begin() + 3), u"S\uFF7B\uFF72");
  EXPECT_EQ(text[3], 0);
  EXPECT_EQ(text[4], 0x7777);

  EXPECT_EQ(CountedShiftJisToUtf16(kSleeveSjis.c_str(), text.data(), 16), 2);
  EXPECT_EQ(std::u16string(text.begin(), text.begin() + 5), u"S\uFF7B\uFF72袖丈");
  EXPECT_EQ(text[5], 0);

  // No terminator within the destination: nothing to append to.
  std::vector<uint16_t> full(3, 'x');
  EXPECT_EQ(ShiftJisToUtf16("a", full.data(), 6), 0);
  EXPECT_EQ(full, std::vector<uint16_t>(3, 'x'));
}
