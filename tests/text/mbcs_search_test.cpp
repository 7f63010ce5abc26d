#include "text/mbcs_search.h"

#include <gtest/gtest.h>

#include <string>

TEST(FindSubstringMbcs, WholeCharactersAndFoldedCase) {
  EXPECT_EQ(FindSubstringMbcs("\xE5\x89\x8D\xE8\xBA\xAB", "\x89\x8D", 0), -1);  // never inside "前"
  EXPECT_EQ(FindSubstringMbcs("Front WAIST", "waist", 1), 6);
  EXPECT_EQ(FindSubstringMbcs("Front WAIST", "waist", 0), -1);
  EXPECT_EQ(FindSubstringMbcs("ab\xF0", "\xF0\x9F\x98\x80", 0), -1);  // a cut character at the end
}

TEST(ReadKeyValueFromText, PlainQuotedEscapedAndShiftJisValues) {
  const struct {
    const char* text;
    const char* value;
  } cases[] = {
      {" SIZE = ll next=1", "LL"},
      {" Size=m", "M"},
      {" size=\"front \\\"A\\\"\\tpiece\\\\\" x=1", "FRONT \"A\"\tPIECE\\"},
      // "表" and "ソ" end in a backslash byte; "Ｂ" ends in an "a" byte that stays.
      {" size=\"\x95\x5C\x83\x5Cq\x82\x61\"", "\x95\x5C\x83\x5CQ\x82\x61"},
      {"size=M", ""},  // the key must follow a blank
  };
  char out[kKeyValueMaxBytes + 1];
  for (const auto& c : cases) {
    EXPECT_EQ(ReadKeyValueFromText(c.text, "size", out, 1), *c.value ? 1 : 0) << c.text;
    EXPECT_STREQ(out, c.value) << c.text;
  }
  std::string kanji = " size=";
  for (int i = 0; i < 300; ++i) kanji += "\x88\x9F";
  ReadKeyValueFromText(kanji.c_str(), "size", out, 0);
  EXPECT_EQ(std::string(out).size(), 510u);  // 511 bytes would split a character
}
