#include "engine/annotation_labels.h"

#include <cmath>
#include <cstring>

#include "common/suite_pointers.h"
#include "engine/preview_marks.h"
#include "geometry/angles.h"
#include "text/text_range_text.h"

namespace {

constexpr int32_t kTransformObjects = 1;

// The last font called "Osaka", else the first of the list.
FontHandle LabelFont() {
  int32_t count = 0;
  if (sAIFont->CountFonts(&count) != kNoErr) return nullptr;
  FontHandle first = nullptr;
  FontHandle osaka = nullptr;
  for (int32_t n = 0; n < count; ++n) {
    FontHandle font = nullptr;
    if (sAIFont->IndexFontList(n, &font) != kNoErr || font == nullptr) continue;
    if (n == 0) first = font;
    char name[255] = {};
    if (sAIFont->GetFontName(font, name, sizeof name) == kNoErr && std::strcmp(name, "Osaka") == 0)
      osaka = font;
  }
  return osaka != nullptr ? osaka : first;
}

// New point text on top of group; null when there is no group or the host
// refuses.
ArtHandle NewLabelText(ArtHandle group, const RealPoint& at, int16_t deselect) {
  ArtHandle text = nullptr;
  if (group == nullptr ||
      sAITextFrame->NewPointText(kPlaceInsideOnTop, group, kHorizontalText, at, &text) != kNoErr)
    return nullptr;
  if (deselect) sAIArt->SetArtUserAttr(text, kArtSelected, 0);
  return text;
}

void FillLabelText(ArtHandle art, int16_t justification, const char* text, int16_t highlight) {
  TextRangeHandle range = nullptr;
  if (sAITextFrame->GetTextRange(art, &range) != kNoErr || range == nullptr) return;
  CharFeatures chars{};
  chars.font = LabelFont();
  chars.size = 10.0 / PreviewZoom();
  chars.fillColor = AnnotationColor(highlight);
  chars.strokeColor = chars.fillColor;
  chars.fill = 1;
  chars.stroke = 0;
  chars.horizontalScale = 1.0;
  sATETextRange->SetCharFeatures(range, &chars);
  const ParaFeatures para{justification, 0, 0};
  sATETextRange->SetParaFeatures(range, &para);
  if (text != nullptr) SetTextRangeFromShiftJis(range, text);
  sATETextRange->ReleaseTextRange(range);
}

// Rotate by angle about the origin, then move by `to`.
void TurnAndMove(ArtHandle art, double angle, const RealPoint& to) {
  RealMatrix m;
  sAIRealMath->MatrixSetRotate(&m, angle);
  sAIRealMath->MatrixConcatTranslate(&m, to.h, to.v);
  sAITransformArt->TransformArt(art, &m, 1.0, kTransformObjects);
}

void DrawLabelBox(ArtHandle group, double angle, const RealPoint& mid, int16_t highlight, int16_t deselect) {
  ArtHandle box = nullptr;
  if (sAIArt->NewArt(kPathArt, kPlaceInsideOnTop, group, &box) != kNoErr || box == nullptr) return;
  const double z = PreviewZoom();
  PathStyle style{};
  style.fillPaint = 1;
  style.fillColor = {ColorKind::Gray, 0, 0, 0, 0, 0};
  style.strokePaint = 1;
  style.strokeColor = AnnotationColor(highlight);
  style.strokeWidth = static_cast<float>(1.0f / static_cast<float>(z));
  style.miterLimit = 4.0;
  sAIPathStyle->SetPathStyle(box, &style);
  sAIPath->SetPathClosed(box, 1);
  if (deselect) sAIArt->SetArtUserAttr(box, kArtSelected, 0);
  const PathSegment corners[4] = {CornerSegment(-8 / z, -6 / z), CornerSegment(8 / z, -6 / z),
                                  CornerSegment(8 / z, 6 / z), CornerSegment(-8 / z, 6 / z)};
  sAIPath->SetPathSegmentCount(box, 4);
  sAIPath->SetPathSegments(box, 0, 4, corners);
  TurnAndMove(box, angle, mid);
}

}  // namespace

void CreateTextLabel(ArtHandle group, const RealPoint& at, const char* text, int16_t highlight,
                     int16_t deselect) {
  ArtHandle art = NewLabelText(group, at, deselect);
  if (art != nullptr) FillLabelText(art, kJustifyLeft, text, highlight);
}

void CreateRotatedTextLabel(ArtHandle group, const RealPoint& a, const RealPoint& b, int16_t offsetOnly,
                            const char* text, int16_t highlight, int16_t deselect) {
  if (group == nullptr) return;
  // Lines of opposite direction read the same way up.
  double angle = sAIRealMath->PointAngle(&a, &b);
  if (std::sin(angle - kHalfPiShort) > 0) angle += kPiCut;
  const double z = PreviewZoom();
  const RealPoint mid{(a.h + b.h) / 2, (a.v + b.v) / 2};
  RealPoint centre;
  if (offsetOnly == 0) {
    centre = {mid.h + 4 / z * std::cos(angle - kHalfPiShort), mid.v + 4 / z * std::sin(angle - kHalfPiShort)};
    DrawLabelBox(group, angle, mid, highlight, deselect);
  } else {
    centre = {mid.h + 2 / z * std::cos(angle + kHalfPiShort), mid.v + 2 / z * std::sin(angle + kHalfPiShort)};
  }
  ArtHandle art = NewLabelText(group, {0, 0}, deselect);
  if (art == nullptr) return;
  FillLabelText(art, kJustifyCenter, text, highlight);
  TurnAndMove(art, angle, centre);
}
