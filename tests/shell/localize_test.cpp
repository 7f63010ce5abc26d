// Japanese and English texts and the choice of resource copies.
#include "text/localize.h"

#include <cstdio>
#include <string>

#include "host_model.h"
#include "support/module_fixture.h"
#include "support/module_suites.h"

using namespace vmtest;

namespace {

std::string Sjis(const char* utf8) { return EncodeCodePage(FromUtf8(utf8), 932, 4096); }

class LocalizeTest : public ModuleTest {
 protected:
  std::string Localize(int16_t language, const std::string& japanese, size_t outSize = 256) {
    globals().language = language;
    ModuleSuites suites;
    std::string out(outSize + 8, '#');
    LocalizeUiString(module, japanese.c_str(), out.data(), outSize);
    EXPECT_EQ(out.substr(outSize), "########") << "written past the buffer";
    return out.c_str();
  }
};

TEST_F(LocalizeTest, TextsFollowTheLanguage) {
  struct Case {
    int16_t language;
    const char* japanese;
    const char* expected;  // UTF-8; null: unchanged
  } cases[] = {
      {1, "角度 %.2f°", "Angle %.2f"},
      {1, "@長さ", "@GL"},
      {1, "距離補正", "Distance revision"},
      {1, "ｵﾌｾｯﾄ (%.2f, %.2f)", "Offset (%.2f, %.2f)"},
      {1, "変数を登録出来ませんでした。\r変数名が重複しています。",
       "Can't register variable.\rDuplicate variable names."},
      {1, "プリセット \"%s\" を削除してもいいですか？", "Are you sure you want to delete this preset (%s)?"},
      {1, "見つからない", nullptr},
      {1, "<Mac strings begin at index 1>", nullptr},
      {0, "距離補正", nullptr},
      {2, "距離補正", nullptr},
      {2, "@長さ", nullptr},
  };
  for (const Case& c : cases) {
    const std::string in = Sjis(c.japanese);
    EXPECT_EQ(Localize(c.language, in), c.expected ? Sjis(c.expected) : in) << c.japanese;
  }
}

TEST_F(LocalizeTest, EveryPairTranslatesAndTheRepeatedTextTakesTheFirst) {
  for (int i = 1; i <= kLocalizedTextPairs; ++i) {
    const int expected = i == 53 ? 48 : i;
    EXPECT_EQ(Localize(1, kLocalizedTexts[i].japanese), kLocalizedTexts[expected].english) << i;
  }
}

TEST_F(LocalizeTest, ShortBuffersKeepWholeCharacters) {
  EXPECT_EQ(Localize(0, Sjis("距離補正"), 5), Sjis("距離"));
  EXPECT_EQ(Localize(0, Sjis("距離補正"), 4), Sjis("距"));
  EXPECT_EQ(Localize(1, Sjis("距離補正"), 9), "Distance");
  EXPECT_EQ(Localize(1, Sjis("ｵﾌｾｯﾄ"), 3), Sjis("ｵﾌ"));
}

TEST_F(LocalizeTest, TheScaleLabelPrintsItsPercentSign) {
  for (int16_t language : {0, 1}) {
    const std::string format = Localize(language, Sjis("基準拡大率 (%.2f, %.2f)%%"));
    char text[128];
    std::snprintf(text, sizeof text, format.c_str(), 120.0, 95.5);
    EXPECT_EQ(std::string(text), language ? "Scale (120.00, 95.50)%" : Sjis("基準拡大率 (120.00, 95.50)%"));
  }
}

TEST_F(LocalizeTest, ResourceCopiesFollowTheirOwnRule) {
  struct Case {
    int16_t language;
    int32_t dialog;  // DialogIdForLanguage(16161)
    int32_t about;   // ResourceIdUnlessJapanese(16150)
  } cases[] = {{0, 16161, 16150}, {1, 17161, 17150}, {2, 16161, 17150}};
  for (const Case& c : cases) {
    globals().language = c.language;
    EXPECT_EQ(DialogIdForLanguage(16161), c.dialog) << c.language;
    EXPECT_EQ(ResourceIdUnlessJapanese(16150), c.about) << c.language;
  }
}

}  // namespace
