#include "text/byte_classes.h"

#include <gtest/gtest.h>

TEST(ByteClasses, ShiftJisLeadBytesAtTheirBounds) {
  struct Case {
    unsigned char byte;
    int lead;
  } cases[] = {{0x40, 0}, {0x80, 0}, {0x81, 1}, {0x9F, 1}, {0xA0, 0}, {0xB1, 0},
               {0xDF, 0}, {0xE0, 1}, {0xFC, 1}, {0xFD, 0}, {0xFF, 0}};
  for (const Case& c : cases) EXPECT_EQ(IsShiftJisLeadByte(c.byte), c.lead) << std::hex << int(c.byte);
}

TEST(ByteClasses, Utf8TrailingBytesIncludingTheOldLongForms) {
  struct Case {
    unsigned char byte;
    int trailing;
  } cases[] = {{0x41, 0}, {0x80, 0}, {0xBF, 0}, {0xC2, 1}, {0xDF, 1}, {0xE3, 2},
               {0xEF, 2}, {0xF0, 3}, {0xF7, 3}, {0xF8, 4}, {0xFB, 4}, {0xFC, 5}};
  for (const Case& c : cases) EXPECT_EQ(Utf8TrailingBytes(c.byte), c.trailing) << std::hex << int(c.byte);
}

TEST(ByteClasses, CharacterLengthStopsAtTheTerminator) {
  EXPECT_EQ(Utf8CharLength("\xE3\x82\xB5"
                           "x"),
            3);
  EXPECT_EQ(Utf8CharLength("\xE3\x82"), 2);
  EXPECT_EQ(Utf8CharLength("\xF0"), 1);
}

TEST(ByteClasses, ShiftJisFitNeverSplitsADoubleByteCharacter) {
  // "Mサイズ": M, then three double-byte katakana.
  const char* text = "M\x83\x54\x83\x43\x83\x59";
  EXPECT_EQ(ShiftJisFitLength(text, 7), 7);
  EXPECT_EQ(ShiftJisFitLength(text, 6), 5);
  EXPECT_EQ(ShiftJisFitLength(text, 2), 1);
  // Half-width katakana are single bytes.
  EXPECT_EQ(ShiftJisFitLength("\xBB\xB2\xBD\xDE", 3), 3);
  // A lead byte left alone at the end counts as one byte.
  EXPECT_EQ(ShiftJisFitLength("ab\x83", 10), 3);
}
