// Layer titles and labels in a document of the stand-in host.
#include "text/layer_title.h"

#include <gtest/gtest.h>

#include <string>

#include "support/module_suites.h"
#include "support/module_fixture.h"
#include "text/text_range_text.h"

using namespace vmtest;
using LayerTitles = ModuleTest;

TEST_F(LayerTitles, ShiftJisCountedTitlesCutAt254BytesAndComparedWhole) {
  std::string sleeves, sleevesSjis;
  for (int i = 0; i < 200; ++i) sleeves += "袖", sleevesSjis += i < 127 ? "\x91\xB3" : "";
  const struct {
    std::string title, shiftJis;
    int preview;
  } cases[] = {
      {"<<Vestamark Preview>>", "<<Vestamark Preview>>", 1},
      {"<<Moravine Preview>>", "<<Moravine Preview>>", 1},
      {"<<Vestamark Preview>> copy", "<<Vestamark Preview>> copy", 0},
      {"<<Vestamark Preview", "<<Vestamark Preview", 0},
      {"前身頃 ｻｲｽﾞ", "\x91\x4F\x90\x67\x8D\xA0 \xBB\xB2\xBD\xDE", 0},
      {std::string(300, 'L'), std::string(254, 'L'), 0},
      {sleeves, sleevesSjis, 0},
      {"a" + sleeves, std::string("a").append(sleevesSjis, 0, 252), 0},  // the 127th kanji would end at byte 255
  };
  for (const auto& c : cases) {
    LayerHandle layer = vmhost::AddLayer(c.title.c_str());
    ModuleSuites held;
    unsigned char title[kLayerTitleSize + 4];
    std::fill(std::begin(title), std::end(title), 0xEE);
    ASSERT_EQ(GetLayerTitleCounted(layer, title), kNoErr);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(title + 1), title[0]), c.shiftJis);
    EXPECT_EQ(title[1 + title[0]], 0);
    EXPECT_EQ(title[kLayerTitleSize], 0xEE) << "written past 256 bytes";
    EXPECT_EQ(IsPreviewLayerTitle(title), c.preview) << c.title;
  }
}

TEST_F(LayerTitles, ArtOnALockedLayerIsNotUsable) {
  LayerHandle layer = vmhost::AddLayer("Back");
  ArtHandle group = nullptr;
  ModuleSuites held;
  sAILayer->GetFirstArtOfLayer(layer, &group);
  ArtHandle art = vmhost::AddPolyline(group, {{0, 0}, {10, 10}}, false);
  EXPECT_EQ(IsArtOnUsableLayer(art), 0);
  sAILayer->SetLayerEditable(layer, 0);
  EXPECT_EQ(IsArtOnUsableLayer(art), 1);
}

TEST_F(LayerTitles, ShiftJisTextGoesIntoALabel) {
  ModuleSuites held;
  ArtHandle group = nullptr;
  sAILayer->GetFirstArtOfLayer(vmhost::AddLayer("Labels"), &group);
  ArtHandle label = vmhost::AddText(group, {10, 10}, "");
  TextRangeHandle range = nullptr;
  ASSERT_EQ(sAITextFrame->GetTextRange(label, &range), kNoErr);
  EXPECT_EQ(SetTextRangeFromShiftJis(range, "\x91\xB3\x8F\xE4 \xBB\xB2\xBD\xDE"), kNoErr);
  EXPECT_EQ(SetTextRangeFromCounted(range, " M"), kNoErr);
  sATETextRange->ReleaseTextRange(range);
  EXPECT_EQ(vmhost::Text(label), "袖丈 ｻｲｽﾞ M");
}
