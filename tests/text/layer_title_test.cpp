// Layer titles read from a document of the stand-in host.
#include "text/layer_title.h"

#include <gtest/gtest.h>

#include <string>

#include "shell/held_suites.h"
#include "support/module_fixture.h"
#include "text/text_range_text.h"

using namespace vmtest;

namespace {

using LayerTitles = ModuleTest;

std::string TitleText(const unsigned char* counted) {
  return std::string(reinterpret_cast<const char*>(counted + 1), counted[0]);
}

std::string Repeat(const std::string& text, int times) {
  std::string all;
  for (int i = 0; i < times; ++i) all += text;
  return all;
}

}  // namespace

TEST_F(LayerTitles, PreviewLayerComparesOnlyAsTheWholeName) {
  LayerHandle preview = vmhost::AddLayer("<<Vestamark Preview>>");
  LayerHandle longer = vmhost::AddLayer("<<Vestamark Preview>> copy");
  LayerHandle shorter = vmhost::AddLayer("<<Vestamark Preview");
  LayerHandle other = vmhost::AddLayer("<<Moravine Preview>>");
  HeldSuites held;
  unsigned char title[kLayerTitleSize];

  ASSERT_EQ(GetLayerTitleCounted(preview, title), kNoErr);
  EXPECT_EQ(title[0], 21);
  EXPECT_EQ(title[22], 0);
  EXPECT_EQ(CountedTitleIs(title, kVestamarkPreviewLayer), 1);
  EXPECT_EQ(IsPreviewLayerTitle(title), 1);

  for (LayerHandle near : {longer, shorter}) {
    GetLayerTitleCounted(near, title);
    EXPECT_EQ(CountedTitleIs(title, kVestamarkPreviewLayer), 0) << TitleText(title);
    EXPECT_EQ(IsPreviewLayerTitle(title), 0) << TitleText(title);
  }
  GetLayerTitleCounted(other, title);
  EXPECT_EQ(IsPreviewLayerTitle(title), 1);
  EXPECT_EQ(CountedTitleIs(title, kVestamarkSampleLayer), 0);
}

TEST_F(LayerTitles, JapaneseTitlesComeAsShiftJis) {
  LayerHandle layer = vmhost::AddLayer("前身頃 ｻｲｽﾞ");
  HeldSuites held;
  unsigned char title[kLayerTitleSize];
  ASSERT_EQ(GetLayerTitleCounted(layer, title), kNoErr);
  EXPECT_EQ(TitleText(title), "\x91\x4F\x90\x67\x8D\xA0 \xBB\xB2\xBD\xDE");
}

TEST_F(LayerTitles, LongTitlesStopAt254BytesOnAWholeCharacter) {
  const struct {
    std::string title;
    int bytes;
  } cases[] = {
      {std::string(300, 'L'), 254},
      {Repeat("袖", 200), 254},
      {"a" + Repeat("袖", 200), 253},  // the 127th kanji would end at byte 255
  };
  for (const auto& c : cases) {
    LayerHandle layer = vmhost::AddLayer(c.title.c_str());
    HeldSuites held;
    unsigned char title[kLayerTitleSize + 4];
    std::fill(std::begin(title), std::end(title), 0xEE);
    ASSERT_EQ(GetLayerTitleCounted(layer, title), kNoErr);
    EXPECT_EQ(title[0], c.bytes);
    EXPECT_EQ(title[1 + c.bytes], 0);
    EXPECT_EQ(title[kLayerTitleSize], 0xEE) << "written past 256 bytes";
  }
}

TEST_F(LayerTitles, AFailedReadGivesAnEmptyTitle) {
  unsigned char title[kLayerTitleSize];
  title[0] = 9;
  EXPECT_NE(GetLayerTitleCounted(vmhost::AddLayer("Front"), title), kNoErr);  // suites not held
  EXPECT_EQ(title[0], 0);
  EXPECT_EQ(title[1], 0);
}

TEST_F(LayerTitles, UsableMeansVisibleAndEditable) {
  LayerHandle open = vmhost::AddLayer("Back");
  LayerHandle hidden = vmhost::AddLayer("Hidden");
  LayerHandle locked = vmhost::AddLayer("Locked");
  HeldSuites held;
  sAILayer->SetLayerVisible(hidden, 0);
  sAILayer->SetLayerEditable(locked, 0);
  EXPECT_EQ(IsLayerUsable(open), 0);
  EXPECT_EQ(IsLayerUsable(hidden), 1);
  EXPECT_EQ(IsLayerUsable(locked), 1);

  ArtHandle group = nullptr;
  sAILayer->GetFirstArtOfLayer(hidden, &group);
  ArtHandle path = vmhost::AddPolyline(group, {{0, 0}, {10, 10}}, false);
  EXPECT_EQ(IsArtOnUsableLayer(path), 1);
  sAILayer->GetFirstArtOfLayer(open, &group);
  EXPECT_EQ(IsArtOnUsableLayer(vmhost::AddPolyline(group, {{0, 0}, {10, 10}}, false)), 0);
}

TEST_F(LayerTitles, ShiftJisTextGoesIntoALabel) {
  LayerHandle layer = vmhost::AddLayer("Labels");
  HeldSuites held;
  ArtHandle group = nullptr;
  sAILayer->GetFirstArtOfLayer(layer, &group);
  ArtHandle label = vmhost::AddText(group, {10, 10}, "");
  TextRangeHandle range = nullptr;
  ASSERT_EQ(sAITextFrame->GetTextRange(label, &range), kNoErr);
  // "袖丈 ｻｲｽﾞ M", then a second piece through the twin entry point.
  EXPECT_EQ(SetTextRangeFromShiftJis(range, "\x91\xB3\x8F\xE4 \xBB\xB2\xBD\xDE"), kNoErr);
  EXPECT_EQ(SetTextRangeFromCounted(range, " M"), kNoErr);
  sATETextRange->ReleaseTextRange(range);
  EXPECT_EQ(vmhost::Text(label), "袖丈 ｻｲｽﾞ M");
}
