// The size chart drawn into the document: its rows, grid, texts and colours,
// and the variables it carries for the simple-grading objects.
#include "simple_grading/size_chart.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "common/suite_pointers.h"
#include "simple_grading/simple_grading_object.h"
#include "simple_grading_scene.h"
#include "store/art_tags.h"
#include "store/grading_group_tags.h"

namespace vmtest {
namespace {

class SizeChartTest : public SimpleGradingScene {
 protected:
  ArtHandle DrawChart(double x, double y) {
    InModuleCall([&] { DrawSizeChartArtwork(x, y); });
    ArtHandle chart = nullptr;
    InModuleCall([&] { chart = FindSimpleGradingObject(kSizeChartObject); });
    return chart;
  }
  // The chart's paths or texts in the order they were drawn.
  static std::vector<ArtHandle> OfType(ArtHandle chart, int16_t type) {
    std::vector<ArtHandle> out;
    for (ArtHandle art : vmhost::Children(chart))
      if (art->d.type == type) out.insert(out.begin(), art);
    return out;
  }
  RealRect Bounds(ArtHandle art) {
    RealRect r{};
    InModuleCall([&] { r = GetBounds(art); });
    return r;
  }
  static std::vector<std::string> Texts(ArtHandle chart) {
    std::vector<std::string> out;
    for (ArtHandle text : OfType(chart, kTextFrameArt)) out.push_back(vmhost::Text(text));
    return out;
  }
};

TEST_F(SizeChartTest, FourSizesDrawnAsGrayGridWithTheBasicRowHighlighted) {
  ArtHandle chart = DrawChart(100, 50);
  ASSERT_NE(chart, nullptr);
  EXPECT_EQ(vmhost::Tag(chart, kSimpleGradingObjectTypeKey), "1");
  EXPECT_EQ(vmhost::Children(vmhost::CurrentDocument()->d.current->group).front(), chart) << "on top";
  EXPECT_FALSE(vmhost::IsSelected(chart));

  // Bands, header cell, frame, 4 row lines and 9 column lines, all gray: each
  // as "F" filled or "S" stroked, its gray, and its bounds (left top right bottom).
  std::vector<ArtHandle> paths = OfType(chart, kPathArt);
  ASSERT_EQ(paths.size(), 17u);
  std::vector<std::string> shown;
  for (size_t k : {0, 1, 2, 3, 4, 7, 8, 16}) {
    const PathStyle& style = paths[k]->d.style;
    const RealRect r = Bounds(paths[k]);
    char text[128];
    std::snprintf(text, sizeof text, "%s%g %g %g %g %g", style.fillPaint ? "F" : "S",
                  style.fillPaint ? style.fillColor.gray : style.strokeColor.gray, r.left, r.top, r.right,
                  r.bottom);
    shown.push_back(text);
    EXPECT_NE(style.fillPaint, style.strokePaint) << k;
    EXPECT_EQ(style.strokeWidth, 2) << k;
    EXPECT_EQ(style.miterLimit, 4) << k;
    EXPECT_EQ(style.dashCount, 0) << k;
    EXPECT_EQ(style.fillColor.kind, ColorKind::Gray) << k;
  }
  EXPECT_EQ(shown,
            (std::vector<std::string>{"F0.2 186.2 560.25 253.45 50", "F0.2 100 560.25 943.046 493",
                                      "F0.4 186.2 560.25 253.45 493", "S0.5 100 560.25 943.046 50",
                                      "S0.5 100 493 943.046 493", "S0.5 100 160.75 943.046 160.75",
                                      "S0.5 186.2 560.25 186.2 50", "S0.5 856.846 560.25 856.846 50"}));

  const std::vector<std::string> texts = Texts(chart);
  ASSERT_EQ(texts.size(), 50u);
  EXPECT_EQ(std::vector<std::string>(texts.begin(), texts.begin() + 10),
            (std::vector<std::string>{"％ピッチ", "mm", "衿寸", "裄丈", "着丈", "バスト", "袖丈", "肩幅",
                                      "カフス巾", "カフス丈"}));
  EXPECT_EQ(std::vector<std::string>(texts.begin() + 30, texts.begin() + 40),
            (std::vector<std::string>{"100", "L", "420", "860", "740", "600", "610", "500", "240", "60"}));

  // The header and the basic size's pitch: size, scale, colour, cell centre.
  std::vector<std::string> looks;
  for (int k : {0, 30}) {
    const TextData& t = OfType(chart, kTextFrameArt)[k]->d.text;
    char text[128];
    std::snprintf(text, sizeof text, "%g %g %s %g %g %d", t.chars.size, t.chars.horizontalScale,
                  t.chars.fillColor.kind == ColorKind::Process ? "blue" : "black", t.matrix.tx, t.matrix.ty,
                  t.para.justification);
    looks.push_back(text);
  }
  EXPECT_EQ(looks, (std::vector<std::string>{"36 1 black 143.1 511.75 1", "48 0.54 blue 143.1 198.25 1"}));
}

TEST_F(SizeChartTest, RowsRunToTheLastSizeWithAPitch) {
  struct Case {
    std::vector<int> pitched;
    int rows;
  } cases[] = {{{0, 1, 2, 3}, 4}, {{6}, 7}, {{}, 4}, {{9}, 10}};
  for (const Case& c : cases) {
    std::memset(globals().sizeTable, 0, sizeof globals().sizeTable);
    for (int row : c.pitched) globals().sizeTable[row].pitch = 100;
    ArtHandle chart = DrawChart(0, 0);
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(OfType(chart, kPathArt).size(), 13u + c.rows) << c.rows;
    EXPECT_EQ(OfType(chart, kTextFrameArt).size(), 10u + 10u * c.rows) << c.rows;
    EXPECT_NEAR(Bounds(OfType(chart, kPathArt)[3]).top, c.rows * 110.75 + 67.25, 1e-9)
        << "frame top of " << c.rows << " rows";
    EXPECT_EQ(vmhost::Tag(chart, "vmk_grading_var_name_000"), "\203s\203b\203`_S");
  }
}

TEST_F(SizeChartTest, TheChartCarriesTheTableAsVariablesThatReadBack) {
  globals().presets[2].name[0] = '\0';  // a size without a name goes by its number
  ArtHandle chart = DrawChart(0, 0);
  EXPECT_EQ(vmhost::Tag(chart, "vmk_grading_var_name_018"), "\203s\203b\203`_3");
  // The collar width's variable takes the other column's word.
  EXPECT_EQ(vmhost::Tag(chart, "vmk_grading_var_name_010"), "\xe5\xe0\x8f\xe4_M");
  EXPECT_EQ(vmhost::Tag(chart, "vmk_grading_var_name_011"), "\x8b\xdc\x90\xa1_M");
  EXPECT_EQ(vmhost::Tag(chart, "vmk_grading_var_value_013000"), "570");
  EXPECT_EQ(vmhost::Tag(chart, "vmk_grading_var_private_013"), "") << "public";
  EXPECT_EQ(vmhost::Tag(chart, "vmk_grading_var_name_036"), "") << "four rows only";

  SizeTableRow drawn[kSizeTableRows];
  std::memcpy(drawn, globals().sizeTable, sizeof drawn);
  std::memset(globals().sizeTable, 0, sizeof globals().sizeTable);
  InModuleCall([&] { LoadGradingGroup(&chart, 1); });
  EXPECT_EQ(std::memcmp(drawn, globals().sizeTable, sizeof drawn), 0);

  globals().language = 1;
  chart = DrawChart(0, 0);
  EXPECT_EQ(vmhost::Tag(chart, "vmk_grading_var_name_010"), "collar_width_M");
  EXPECT_EQ(vmhost::Tag(chart, "vmk_grading_var_name_035"), "cuffs_height_LL");
  EXPECT_EQ(Texts(chart)[2], "Collar width");
}

TEST_F(SizeChartTest, ASecondChartReplacesTheFirstAndKeepsTheGroup) {
  globals().handles[0].kind = kHandleDistance;
  ArtHandle first = DrawChart(0, 0);
  EXPECT_EQ(globals().handles[0].kind, kHandleFree) << "without a chart the group starts afresh";
  globals().handles[0].kind = kHandleDistance;
  ArtHandle second = DrawChart(500, 500);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(second, first);
  EXPECT_FALSE(first->d.alive);
  EXPECT_EQ(globals().handles[0].kind, kHandleDistance);
  EXPECT_NE(vmhost::Tag(second, "vmk_grading_fxh_conf_1"), "") << "the group's handle saved with it";
}

TEST_F(SizeChartTest, TextsAreSqueezedIntoTheirCellsButNeverWidened) {
  std::strcpy(globals().presets[0].name, "ABCDEFGHIJKLMNOP");  // 16 x 24 pt at 48 pt
  std::strcpy(globals().presets[1].name, "");
  ArtHandle chart = DrawChart(0, 0);
  std::vector<ArtHandle> texts = OfType(chart, kTextFrameArt);
  EXPECT_NEAR(Bounds(texts[11]).right - Bounds(texts[11]).left, 153.445 - 86.2 - 8, 1e-9);
  EXPECT_NEAR(Bounds(texts[21]).right - Bounds(texts[21]).left, 24, 1e-9) << "\"2\" keeps its width";
  EXPECT_EQ(vmhost::Text(texts[21]), "2");
}

TEST_F(SizeChartTest, TheChartFontIsChosenByLanguage) {
  vmhost::SetFontList({"Arial", "KozGoPro-Regular", "KozGoPro-Regular-90ms", "Helvetica", "Helvetica Neue"});
  for (int16_t language : {0, 1}) {
    globals().language = language;
    ArtHandle chart = DrawChart(0, 0);
    char name[64] = {};
    const FontHandle font = OfType(chart, kTextFrameArt)[0]->d.text.chars.font;
    InModuleCall([&] { sAIFont->GetFontName(font, name, 64); });
    EXPECT_STREQ(name, language == 0 ? "KozGoPro-Regular-90ms" : "Helvetica");
  }
}

}  // namespace
}  // namespace vmtest
