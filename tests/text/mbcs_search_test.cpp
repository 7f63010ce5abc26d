#include "text/mbcs_search.h"

#include <gtest/gtest.h>

#include <string>

TEST(FindSubstringMbcs, FindsWholeCharactersOnly) {
  // "前身頃" in UTF-8: a search for a piece of a character finds nothing.
  const char* text = "\xE5\x89\x8D\xE8\xBA\xAB\xE9\xA0\x83";
  EXPECT_EQ(FindSubstringMbcs(text, "\xE8\xBA\xAB", 0), 3);
  EXPECT_EQ(FindSubstringMbcs(text, "\x89\x8D", 0), -1);
  EXPECT_EQ(FindSubstringMbcs(nullptr, "a", 0), -1);
  EXPECT_EQ(FindSubstringMbcs("a", nullptr, 0), -1);
  EXPECT_EQ(FindSubstringMbcs("abc", "", 0), 0);
}

TEST(FindSubstringMbcs, FoldsAsciiCaseOnlyWhenAsked) {
  EXPECT_EQ(FindSubstringMbcs("Front WAIST", "waist", 1), 6);
  EXPECT_EQ(FindSubstringMbcs("Front WAIST", "waist", 0), -1);
  EXPECT_EQ(FindSubstringMbcs("[x]", "[X]", 1), 0);
  EXPECT_EQ(FindSubstringMbcs("@", "`", 1), -1);  // neighbours of the letters are not folded
}

TEST(FindSubstringMbcs, ACutLeadByteAtTheEndIsNotReadPast) {
  std::string text = "ab\xF0";
  EXPECT_EQ(FindSubstringMbcs(text.c_str(), "\xF0\x9F\x98\x80", 0), -1);
  EXPECT_EQ(FindSubstringMbcs(text.c_str(), "\xF0", 0), 2);
}

TEST(ReadKeyValueFromText, ReadsPlainAndQuotedValues) {
  struct Case {
    const char* text;
    const char* key;
    int upper;
    const char* value;
    int result;
  } cases[] = {
      {" size=M next=1", "size", 0, "M", 1},
      {" SIZE = LL", "size", 0, "LL", 1},
      {" name=\"front \\\"A\\\" piece\" x=1", "name", 0, "front \"A\" piece", 1},
      {" path=\"a\\\\b\\tc\"", "path", 0, "a\\b\tc", 1},
      {" unit=mm", "unit", 1, "MM", 1},
      {" size=", "size", 0, "", 0},
      {"size=M", "size", 0, "", 0},  // the key must follow a blank
      {" other=1", "size", 0, "", 0},
  };
  for (const Case& c : cases) {
    char out[kKeyValueMaxBytes + 1];
    EXPECT_EQ(ReadKeyValueFromText(c.text, c.key, out, c.upper), c.result) << c.text;
    EXPECT_STREQ(out, c.value) << c.text;
  }
}

TEST(ReadKeyValueFromText, DoubleByteCharactersAreNeitherUpperCasedNorTakenApart) {
  char out[kKeyValueMaxBytes + 1];
  // "表" (0x95 0x5C) ends in a backslash byte and "ソ" (0x83 0x5C) too; "\x82\x61" is a full-width a.
  EXPECT_EQ(ReadKeyValueFromText(" t=\"\x95\x5C\x83\x5Cq\x82\x61\" ", "t", out, 1), 1);
  EXPECT_STREQ(out, "\x95\x5C\x83\x5CQ\x82\x61");
}

TEST(ReadKeyValueFromText, LongValuesStopAt511BytesOnAWholeCharacter) {
  char out[kKeyValueMaxBytes + 1];
  std::string text = " v=" + std::string(600, 'a');
  EXPECT_EQ(ReadKeyValueFromText(text.c_str(), "v", out, 0), 1);
  EXPECT_EQ(std::string(out).size(), 511u);

  std::string kanji = " v=";
  for (int i = 0; i < 300; ++i) kanji += "\x88\x9F";
  ReadKeyValueFromText(kanji.c_str(), "v", out, 0);
  EXPECT_EQ(std::string(out).size(), 510u);
}
