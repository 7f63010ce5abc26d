#include "text/string_limits.h"

#include "text/number_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(StringLimits, CapsPrefixesAndSignedBytes) {
  EXPECT_EQ(StrCompareLimited("A", "A\x81"), -1);  // a prefix sorts first, even before a byte above 0x7F
  EXPECT_EQ(StrCompareLimited("\x81", "A"), -1);   // signed bytes
  const std::string dots(254, '.');
  EXPECT_EQ(StrFindLimited((dots + "@").c_str(), "@"), 254);
  EXPECT_EQ(StrFindLimited((dots + ".@").c_str(), "@"), -1);  // beyond the 255 start positions
  char text[32] = "sleeve_cm";
  EXPECT_EQ(StrRemoveSubstring(text, "_cm"), 6);
  EXPECT_STREQ(text, "sleeve");

  std::vector<char> source(kStringLoopCap + 100, 'y'), copy(kStringLoopCap, '\x7f');
  source.back() = '\0';
  StrCopyLimited(copy.data(), source.data());
  EXPECT_EQ(StrLenLimited(copy.data()), kStringLoopCap - 1);  // terminated inside the cap

  unsigned char counted[300];
  EXPECT_EQ(TextToCounted(counted, std::string(299, 't').c_str(), 300), 255);  // a length byte holds 255
  EXPECT_EQ(counted[0], 255);
  char back[10];
  EXPECT_EQ(CountedToText(back, counted, sizeof back), 9);
  EXPECT_STREQ(back, "ttttttttt");
}

TEST(NumberText, WholeNumbersAtTheEndsOfTheirRange) {
  EXPECT_EQ(TextToShort("32767"), 32767);
  EXPECT_EQ(TextToShort("32768"), 0);
  EXPECT_EQ(TextToInteger("4294967295"), -1);  // read as unsigned
  EXPECT_EQ(TextToInteger("4294967296"), 0);
}
