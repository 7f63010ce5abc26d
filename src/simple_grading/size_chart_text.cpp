#include <cmath>
#include <cstring>

#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "simple_grading/size_chart.h"
#include "store/text_fields.h"
#include "text/text_range_text.h"

namespace {

constexpr char kJapaneseChartFont[] = "KozGoPro-Regular";
constexpr char kEnglishChartFont[] = "Helvetica";
constexpr double kCellMargin = 8;

// Japanese: the last font whose name begins with the chart font's name;
// otherwise the last named exactly so. The first font when none is.
FontHandle ChartFont(int16_t language) {
  int32_t count = 0;
  if (sAIFont == nullptr || sAIFont->CountFonts(&count) != kNoErr) return nullptr;
  FontHandle first = nullptr;
  FontHandle match = nullptr;
  for (int32_t n = 0; n < count; ++n) {
    FontHandle font = nullptr;
    if (sAIFont->IndexFontList(n, &font) != kNoErr || font == nullptr) continue;
    if (first == nullptr) first = font;
    char name[256] = {};
    if (sAIFont->GetFontName(font, name, sizeof name - 1) != kNoErr) continue;
    const bool matches = language == 0
                             ? std::strncmp(name, kJapaneseChartFont, sizeof kJapaneseChartFont - 1) == 0
                             : std::strcmp(name, kEnglishChartFont) == 0;
    if (matches) match = font;
  }
  return match != nullptr ? match : first;
}

}  // namespace

ArtHandle CreatePointTextArt(ArtHandle group, double x1, double y1, double x2, double y2, const char* text,
                             int16_t centred, int16_t kind, int16_t highlight) {
  char copy[kNameSize + 16];
  CopyTextCutValidTrail(copy, sizeof copy, text != nullptr ? text : "");
  if (copy[0] == '\0') std::strcpy(copy, "     ");

  ArtHandle art = nullptr;
  if (group == nullptr || sAITextFrame == nullptr || sATETextRange == nullptr ||
      sAITextFrame->NewPointText(kPlaceInsideOnTop, group, kHorizontalText, RealPoint{0, 0}, &art) !=
          kNoErr ||
      art == nullptr) {
    return nullptr;
  }
  TextRangeHandle range = nullptr;
  if (sAITextFrame->GetTextRange(art, &range) == kNoErr && range != nullptr) {
    CharFeatures chars{};
    chars.font = ChartFont(gPlugin != nullptr ? gPlugin->language : 0);
    chars.size = kind == kChartHeaderText ? 36.0 : 48.0;
    chars.fillColor = highlight ? HostColor{ColorKind::Process, 0, 0.99, 0.96, 0.04, 0}
                                : HostColor{ColorKind::Gray, 1.0, 0, 0, 0, 0};
    chars.strokeColor = chars.fillColor;
    chars.fill = 1;
    chars.stroke = 0;
    chars.horizontalScale = kind == kChartNumberText ? 0.54 : 1.0;
    sATETextRange->SetCharFeatures(range, &chars);
    const ParaFeatures para{centred ? kJustifyCenter : kJustifyLeft, 0, 0};
    sATETextRange->SetParaFeatures(range, &para);
    SetTextRangeFromShiftJis(range, copy);
    sATETextRange->ReleaseTextRange(range);
  }

  RealRect bounds{};
  sAIArt->GetArtBounds(art, &bounds);
  const double width = bounds.right - bounds.left;
  double fit = 1.0;
  // A text without width cannot be squeezed.
  if (width > 0) fit = std::fmin((std::fabs(x2 - x1) - kCellMargin) / width, 1.0);
  const RealPoint from{x1, y1};
  const RealPoint to{x2, y2};
  RealMatrix m;
  sAIRealMath->MatrixSetScale(&m, fit, 1.0);
  sAIRealMath->MatrixConcatRotate(&m, sAIRealMath->PointAngle(&from, &to));
  if (centred) {
    sAIRealMath->MatrixConcatTranslate(&m, (x1 + x2) / 2, (y1 + y2) / 2);
  } else {
    sAIRealMath->MatrixConcatTranslate(&m, x1 + 2, y1);
  }
  sAITransformArt->TransformArt(art, &m, 1.0, kTransformObjects);
  return art;
}
