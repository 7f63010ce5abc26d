#include "text/string_limits.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(StringLimits, LengthStopsAtTheCapWhenTheTerminatorIsLost) {
  std::vector<char> runaway(kStringLoopCap + 10, 'x');
  EXPECT_EQ(StrLenLimited(runaway.data()), kStringLoopCap);
  EXPECT_EQ(StrLenLimited("\x83\x54\x83\x43\x83\x59"), 6);
  EXPECT_EQ(StrLenLimited(nullptr), 0);
}

TEST(StringLimits, CompareBySignedBytesWithPrefixesFirst) {
  struct Case {
    const char* a;
    const char* b;
    int expected;
  } cases[] = {
      {"abc", "abc", 0},  {"abc", "abd", -1}, {"abd", "abc", 1}, {"ab", "abc", -1},  // a prefix sorts first
      {"A", "A\x81", -1},  // even before a byte above 0x7F
      {"\x81", "A", -1},   // signed: 0x81 is below "A"
      {"", "", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(StrCompareLimited(c.a, c.b), c.expected) << c.a << " vs " << c.b;
}

TEST(StringLimits, CopyKeepsTheTerminatorInsideTheCap) {
  char small[16];
  EXPECT_EQ(StrCopyLimited(small, "size M"), small);
  EXPECT_STREQ(small, "size M");

  std::vector<char> source(kStringLoopCap + 100, 'y');
  source.back() = '\0';
  std::vector<char> destination(kStringLoopCap, '\x7f');
  StrCopyLimited(destination.data(), source.data());
  EXPECT_EQ(destination[kStringLoopCap - 1], '\0');
  EXPECT_EQ(StrLenLimited(destination.data()), kStringLoopCap - 1);
}

TEST(StringLimits, FindTriesAtMost255StartPositions) {
  EXPECT_EQ(StrFindLimited("front,back", ","), 5);
  EXPECT_EQ(StrFindLimited("front", "fronts"), -1);
  EXPECT_EQ(StrFindLimited("front", ""), 0);
  EXPECT_EQ(StrFindLimited(nullptr, "a"), -1);

  std::string text(254, '.');
  EXPECT_EQ(StrFindLimited((text + "@").c_str(), "@"), 254);
  EXPECT_EQ(StrFindLimited((text + ".@").c_str(), "@"), -1);
}

TEST(StringLimits, RemoveSubstringMovesTheTailLeft) {
  char text[32] = "waist + hip";
  EXPECT_EQ(StrRemoveSubstring(text, " + "), 8);
  EXPECT_STREQ(text, "waisthip");

  char atEnd[32] = "sleeve_cm";
  EXPECT_EQ(StrRemoveSubstring(atEnd, "_cm"), 6);
  EXPECT_STREQ(atEnd, "sleeve");

  EXPECT_EQ(StrRemoveSubstring(atEnd, "hem"), -1);
  EXPECT_STREQ(atEnd, "sleeve");
}

TEST(StringLimits, IndexOfHandlesNullAndAbsentNeedles) {
  EXPECT_EQ(StrIndexOf(nullptr, "a"), -1);
  EXPECT_EQ(StrIndexOf("a", nullptr), -1);
  EXPECT_EQ(StrIndexOf("back length", "length"), 5);
  EXPECT_EQ(StrIndexOf("back", "backs"), -1);
}

TEST(StringLimits, CountedTextsNeverPassTheirSize) {
  const unsigned char counted[] = {5, 'c', 'h', 'e', 's', 't'};
  char text[4] = {'#', '#', '#', '#'};
  EXPECT_EQ(CountedToText(text, counted, sizeof text), 3);
  EXPECT_STREQ(text, "che");

  unsigned char out[5];
  std::fill(std::begin(out), std::end(out), 0xEE);
  EXPECT_EQ(TextToCounted(out, "bust line", sizeof out), 4);
  EXPECT_EQ(out[0], 4);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(out + 1), 4), "bust");

  std::vector<unsigned char> wide(400, 0);
  EXPECT_EQ(TextToCounted(wide.data(), std::string(300, 'z').c_str(), 400), 255);
  EXPECT_EQ(wide[0], 255);
  EXPECT_EQ(wide[256], 0);
}

TEST(StringLimits, WideStrCatAppendsAtTheTerminator) {
  uint16_t text[8] = {'S', 0, 0x7777, 0x7777, 0x7777, 0x7777, 0x7777, 0x7777};
  const uint16_t more[] = {0x30B5, 0x30A4, 0x30BA, 0};
  WideStrCat(text, more);
  EXPECT_EQ(WideStrLen(text), 4);
  EXPECT_EQ(text[3], 0x30BA);
  EXPECT_EQ(text[4], 0);
}
