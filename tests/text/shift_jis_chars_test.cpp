#include "text/shift_jis_chars.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

constexpr ShiftJisTrail kValid = ShiftJisTrail::kValid;
constexpr ShiftJisTrail kAny = ShiftJisTrail::kAny;

TEST(ShiftJisChars, LeadAndTrailBytes) {
  for (unsigned char b : {0x00, 0x41, 0x80, 0xA0, 0xBB, 0xDF, 0xFD, 0xFF})
    EXPECT_EQ(IsShiftJisLeadByte(b), 0) << int(b);
  for (unsigned char b : {0x81, 0x9F, 0xE0, 0xFC}) EXPECT_EQ(IsShiftJisLeadByte(b), 1) << int(b);
  for (unsigned char b : {0x00, 0x2C, 0x3F, 0x7F, 0xFD}) EXPECT_EQ(IsShiftJisTrailByte(b), 0) << int(b);
  for (unsigned char b : {0x40, 0x5C, 0x7E, 0x80, 0xFC}) EXPECT_EQ(IsShiftJisTrailByte(b), 1) << int(b);
}

// The two readings of a lead byte agree on sound text and part only where the
// byte after a lead cannot be a trail byte.
TEST(ShiftJisChars, CharacterLengthUnderBothReadings) {
  struct Case {
    const char* text;
    int valid;
    int any;
  };
  const Case cases[] = {
      {"\x83\x54", 2, 2},                      // サ
      {"\x95\x5C", 2, 2},                      // a trail byte that looks like a backslash
      {"\xFC\x40", 2, 2}, {"\xBB\x41", 1, 1},  // half-width kana is one byte
      {"A\x83", 1, 1},    {"\x83", 1, 1},      // a lead byte before the NUL stands alone
      {"\x83,", 1, 2},                         // a damaged lead before a separator
      {"\x83\x7F", 1, 2}, {"\x83\xFD", 1, 2}, {"", 1, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ShiftJisCharLength(c.text, kValid), c.valid) << c.text;
    EXPECT_EQ(ShiftJisCharLength(c.text, kAny), c.any) << c.text;
    EXPECT_EQ(IsShiftJisPairAt(c.text), c.valid == 2 ? 1 : 0) << c.text;
  }
  // Within a counted span the byte after the span's last byte is never read as a trail.
  EXPECT_EQ(ShiftJisCharLength("\x83\x54", 1, kAny), 1);
  EXPECT_EQ(ShiftJisCharLength("\x83\0", 2, kAny), 2);
}

TEST(ShiftJisChars, LongestRunOfWholeCharactersThatFits) {
  struct Case {
    const char* text;
    int limit;
    int fit;
  };
  const Case cases[] = {
      {"M\x83\x54\x83\x43\xBB", 4, 3},  // "Mサイｻ": the second pair does not fit
      {"M\x83\x54\x83\x43\xBB", 5, 5},
      {"M\x83\x54\x83\x43\xBB", 99, 6},
      {"ab\x83", 10, 3},  // a lone lead byte at the end counts as one
      {"ab\x83", 3, 3},
      {"ab\x83\x54", 3, 2},
      {"abc", 0, 0},
      {"abc", -4, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ShiftJisFitLength(c.text, c.limit), c.fit) << c.text << " " << c.limit;

  const std::string value("ab\x83\0cd", 6);  // a value that holds a NUL keeps its length
  EXPECT_EQ(ShiftJisFitSpan(value.data(), value.size(), 99, kAny), 6u);
  EXPECT_EQ(ShiftJisFitSpan(value.data(), value.size(), 3, kAny), 2u);
  EXPECT_EQ(ShiftJisFitSpan(value.data(), value.size(), 3, kValid), 3u);
}

// A fixed field of `size` bytes followed by guard bytes that must stay untouched.
std::string CopyIntoField(size_t size, const char* source, size_t length, ShiftJisTrail trail) {
  char field[16];
  std::memset(field, '#', sizeof field);
  const size_t copied = CopyWholeCharacters(field, size, source, length, trail);
  for (size_t i = size; i < sizeof field; ++i) EXPECT_EQ(field[i], '#') << "overrun at " << i;
  if (size == 0) return "(untouched)";
  EXPECT_EQ(copied, std::strlen(field));
  return field;
}

// Cutting a text back one character at a time, as an ellipsis does, never
// leaves half of a double-byte character.
TEST(ShiftJisChars, LastCharacterStartsAfterTheWholeCharactersBeforeIt) {
  struct Case {
    const char* text;
    size_t length;
    size_t start;
  };
  const Case cases[] = {
      {"", 0, 0},
      {"AB", 2, 1},
      {"A\x83\x54", 3, 1},                // サ after A
      {"\x83\x54" "B", 3, 2},             // B after サ
      {"\x83\x54\x83\x54", 3, 2},         // a lead cut from its trail stands alone
      {"\x83\x41", 2, 0},                 // a trail byte that looks like a letter stays with its lead
      {"\x83,", 2, 0},                     // any byte completes a lead
  };
  for (const Case& c : cases) EXPECT_EQ(ShiftJisLastCharStart(c.text, c.length), c.start) << c.text;
}

TEST(ShiftJisChars, CopiesCutAtAWholeCharacterAndNeverPastTheField) {
  struct Case {
    size_t size;
    const char* source;
    size_t length;
    ShiftJisTrail trail;
    const char* expected;
  };
  const Case cases[] = {
      {8, "\x83\x54\x83\x43\x83\x59", SIZE_MAX, kValid, "\x83\x54\x83\x43\x83\x59"},  // サイズ fits
      {6, "\x83\x54\x83\x43\x83\x59", SIZE_MAX, kValid, "\x83\x54\x83\x43"},          // ズ is left out whole
      {2, "\x83\x54", SIZE_MAX, kAny, ""},
      {1, "abc", SIZE_MAX, kValid, ""},
      {0, "abc", SIZE_MAX, kValid, "(untouched)"},
      {8, "abcdef", 3, kValid, "abc"},             // a counted source stops at its length
      {8, "ab\x83\x54", 3, kValid, "ab\x83"},      // the pair's trail lies outside the count
      {8, "ab\0cd", 5, kAny, "ab"},                // and at its NUL
      {4, "ab\x83,", SIZE_MAX, kValid, "ab\x83"},  // a damaged lead is one byte to the field reader
      {4, "ab\x83,", SIZE_MAX, kAny, "ab"},        // and a pair to the plain copy
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CopyIntoField(c.size, c.source, c.length, c.trail), c.expected) << c.source << " " << c.size;
  }
  char same[] = "\x83\x54\x83\x43";
  EXPECT_EQ(CopyTextCutValidTrail(same, 4, same), 2u);  // a text cut in place
  EXPECT_STREQ(same, "\x83\x54");

  // The two named copies keep their trail rules: a damaged lead is one byte to
  // the one, and a pair with the comma to the other.
  char out[4];
  EXPECT_EQ(CopyTextCutValidTrail(out, sizeof out, "ab\x83,"), 3u);
  EXPECT_STREQ(out, "ab\x83");
  EXPECT_EQ(CopyTextCutAnyTrail(out, sizeof out, "ab\x83,"), 2u);
  EXPECT_STREQ(out, "ab");
}

}  // namespace

// The painters cut names back a byte at a time and take a lead byte with its trail.
TEST(ShiftJisChars, ByteClassScansFromTheStart) {
  // "A", then 表 (0x95 0x5C, a trail byte that is also a backslash), then 0x81 0x81 (a trail
  // byte that is also a lead byte), then "b".
  const char text[] = "A\x95\x5C\x81\x81" "b";
  const struct {
    int32_t index;
    int expected;
  } cases[] = {{0, 0}, {1, 1}, {2, 2}, {3, 1}, {4, 2}, {5, 0}, {6, 0}, {-1, 0}, {40, 0}};
  for (const auto& c : cases) EXPECT_EQ(ShiftJisByteClass(text, c.index), c.expected) << c.index;
}
