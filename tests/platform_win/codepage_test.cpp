// Conversions as the module's text code sees them: Shift-JIS, Korean and UTF-8 to UTF-16 and back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win_codepage.h"

namespace {

std::u16string ToWide(UINT page, const std::string& bytes, DWORD flags = 0) {
  const int n = MultiByteToWideChar(page, flags, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::vector<WCHAR> out(static_cast<size_t>(n > 0 ? n : 0));
  if (n > 0) MultiByteToWideChar(page, flags, bytes.data(), static_cast<int>(bytes.size()), out.data(), n);
  return std::u16string(out.begin(), out.end());
}

std::string FromWide(UINT page, const std::u16string& text, BOOL* usedDefault = nullptr) {
  std::vector<WCHAR> in(text.begin(), text.end());
  const int n =
      WideCharToMultiByte(page, 0, in.data(), static_cast<int>(in.size()), nullptr, 0, nullptr, usedDefault);
  std::string out(static_cast<size_t>(n > 0 ? n : 0), '\0');
  if (n > 0)
    WideCharToMultiByte(page, 0, in.data(), static_cast<int>(in.size()), out.data(), n, nullptr, usedDefault);
  return out;
}

struct Case {
  const char* what;
  UINT page;
  std::string bytes;
  std::u16string wide;
};

TEST(CodePages, TextsRoundTripThroughUtf16) {
  const Case cases[] = {
      {"kanji", 932, "\x93\xFA\x96\x7B\x8C\xEA", u"日本語"},
      {"half-width katakana", 932, "\xB1\xB2\xB3", u"ｱｲｳ"},
      {"yen and tilde bytes stay ASCII", 932, "a\\b~", u"a\\b~"},
      {"trail byte 0x5C", 932, "\x95\x5C", u"表"},
      {"vendor extension", 932, "\x87\x40", u"①"},
      {"system code page is 932", CP_ACP, "\x83\x65\x83\x58\x83\x67", u"テスト"},
      {"hangul", 949, "\xC7\xD1\xB1\xB9\xBE\xEE", u"한국어"},
      {"unified hangul extension", 949, "\x81\x41", u"\uAC02"},
      {"utf-8 accents", CP_UTF8, "caf\xC3\xA9", u"café"},
      {"utf-8 outside the BMP", CP_UTF8, "\xF0\x9F\x98\x80", u"\U0001F600"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ToWide(c.page, c.bytes), c.wide) << c.what;
    EXPECT_EQ(FromWide(c.page, c.wide), c.bytes) << c.what;
  }
}

TEST(CodePages, HalfWidthKatakanaGrowsToThreeBytesInUtf8) {
  const std::u16string wide = ToWide(932, "\xB1\xB2\xB3");
  EXPECT_EQ(FromWide(CP_UTF8, wide), "\xEF\xBD\xB1\xEF\xBD\xB2\xEF\xBD\xB3");
}

TEST(CodePages, MinusOneLengthCountsTheTerminator) {
  WCHAR out[8];
  EXPECT_EQ(MultiByteToWideChar(932, 0, "\x93\xFA", -1, nullptr, 0), 2);
  ASSERT_EQ(MultiByteToWideChar(932, 0, "\x93\xFA", -1, out, 8), 2);
  EXPECT_EQ(out[0], u'日');
  EXPECT_EQ(out[1], 0);
  const WCHAR wide[] = {u'日', 0};
  char bytes[8];
  ASSERT_EQ(WideCharToMultiByte(932, 0, wide, -1, bytes, 8, nullptr, nullptr), 3);
  EXPECT_STREQ(bytes, "\x93\xFA");
}

TEST(CodePages, TruncatedOrInvalidInputIsReplacedOrRefused) {
  // A lead byte cut off at the end of the text.
  EXPECT_EQ(ToWide(932, "A\x82"), u"A\u30FB");
  EXPECT_EQ(ToWide(932, "A\x82", MB_ERR_INVALID_CHARS), u"");
  EXPECT_EQ(GetLastError(), ERROR_NO_UNICODE_TRANSLATION);
  // The terminator after a lone lead byte is still seen.
  WCHAR out[4] = {1, 1, 1, 1};
  EXPECT_EQ(MultiByteToWideChar(932, 0, "\x82", -1, out, 4), 2);
  EXPECT_EQ(out[1], 0);
  EXPECT_EQ(ToWide(CP_UTF8, "a\xC3"), u"a\uFFFD");
  EXPECT_EQ(ToWide(CP_UTF8, "\xE6\x97x"), u"\uFFFDx");
  EXPECT_EQ(ToWide(CP_UTF8, "\xC0\xAF"), u"\uFFFD\uFFFD");  // overlong
  EXPECT_EQ(ToWide(949, "\xC7"), u"?");
}

TEST(CodePages, UnmappableCharactersUseTheDefault) {
  BOOL used = FALSE;
  EXPECT_EQ(FromWide(932, u"é日", &used), "?\x93\xFA");
  EXPECT_EQ(used, TRUE);
  EXPECT_EQ(FromWide(932, u"日", &used), "\x93\xFA");
  EXPECT_EQ(used, FALSE);
  const WCHAR lone[] = {0xD800, u'a'};
  char bytes[8];
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, lone, 2, bytes, 8, nullptr, nullptr), 4);
  EXPECT_EQ(std::string(bytes, 4),
            "\xEF\xBF\xBD"
            "a");
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, lone, 2, bytes, 8, nullptr, nullptr), 0);
}

TEST(CodePages, SmallBuffersFailWithoutOverrun) {
  // Guards after the room the call is given must stay untouched.
  WCHAR wide[4] = {0x1111, 0x1111, 0x7777, 0x7777};
  EXPECT_EQ(MultiByteToWideChar(932, 0, "\x93\xFA\x96\x7B\x8C\xEA", 6, wide, 2), 0);
  EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
  EXPECT_EQ(wide[2], 0x7777);
  WCHAR pair[3] = {0x1111, 0x7777, 0x7777};
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "\xF0\x9F\x98\x80", 4, pair, 1), 0);
  EXPECT_EQ(pair[1], 0x7777);

  const WCHAR text[] = {u'日', u'本', 0};
  char bytes[6] = {'#', '#', '#', '#', '#', '#'};
  EXPECT_EQ(WideCharToMultiByte(932, 0, text, -1, bytes, 3, nullptr, nullptr), 0);
  EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
  EXPECT_EQ(std::string(bytes, 2), "\x93\xFA");  // never half a character
  EXPECT_EQ(bytes[2], '#');
  EXPECT_EQ(bytes[3], '#');
}

TEST(CodePages, BadArgumentsAreRefused) {
  WCHAR wide[4];
  char bytes[4];
  BOOL used;
  EXPECT_EQ(MultiByteToWideChar(932, 0, "a", 0, wide, 4), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(MultiByteToWideChar(932, 0, nullptr, 3, wide, 4), 0);
  EXPECT_EQ(MultiByteToWideChar(932, 0, "a", -2, wide, 4), 0);
  EXPECT_EQ(MultiByteToWideChar(932, 0, "a", 1, nullptr, 4), 0);
  EXPECT_EQ(MultiByteToWideChar(1253, 0, "a", 1, wide, 4), 0);
  const WCHAR a[] = {u'a'};
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, a, 1, bytes, 4, nullptr, &used), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(WideCharToMultiByte(932, WC_ERR_INVALID_CHARS, a, 1, bytes, 4, nullptr, nullptr), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_FLAGS);
}

}  // namespace
