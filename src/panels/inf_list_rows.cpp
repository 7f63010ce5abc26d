// The handle rows: live values from the grading engine before and after the
// handle, its amount for the current preset and its name.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/suite_pointers.h"
#include "engine/grading_checkpoints.h"
#include "engine/handle_measures.h"
#include "engine/piece_members.h"
#include "geometry/angles.h"
#include "geometry/point_math.h"
#include "panels/inf_list_paint.h"
#include "text/localize.h"

namespace {

constexpr int kOffsetText = 51;
constexpr int kDistanceText = 52;
constexpr int kMeasuredAngleText = 53;
constexpr int kLengthText = 54;
constexpr int kAmountLabel = 50;
constexpr int kAngleAmountLabel = 64;
constexpr const char* kPercentAmount = "%.2f\201\223";  // full-width percent sign
constexpr const char* kDegreeAmount = "%.2f\201\213";

// One member path graded through the handles up to lastSlot.
class GradedPath {
 public:
  GradedPath(ArtHandle art, int32_t lastSlot) {
    GradedSegment* segments = GradedSegmentsThrough(art, lastSlot);
    if (segments == nullptr) return;
    int16_t count = 0;
    int32_t closed = 0;
    sAIPath->GetPathSegmentCount(art, &count);
    sAIPath->GetPathClosed(art, &closed);
    path_ = {closed, count, segments};
  }
  ~GradedPath() { std::free(path_.segments); }
  GradedPath(const GradedPath&) = delete;
  GradedPath& operator=(const GradedPath&) = delete;

  // A stored index past the path's anchors reads nothing.
  bool Anchor(int32_t index, RealPoint* out) const {
    if (path_.segments == nullptr || index < 0 || index >= path_.segmentCount) return false;
    *out = path_.segments[index].p;
    return true;
  }

  // Length and radius of the curves between the two anchors.
  void Measure(int32_t a, int32_t b, double* length, double* radius) {
    *length = 0;
    *radius = 0;
    RealPoint unused;
    if (!Anchor(a, &unused) || !Anchor(b, &unused)) return;
    MeasureRun(&path_, a, b, length, radius);
  }

 private:
  ArtSegments path_{0, 0, nullptr};
};

// The stored point moved by the current preset's scale about the grading
// origin.
RealPoint PresetPoint(const RealPoint& p) {
  const PluginGlobals& g = *gPlugin;
  const int16_t index = g.currentScaleIndex;
  const ScalePair scale = index >= 0 && index < kMaxPresets ? g.presetScale[index] : ScalePair{1.0, 1.0};
  const RealMatrix m = BaseTransform(g, scale);
  RealPoint out;
  sAIRealMath->TransformPoint(&m, &p, &out);
  return out;
}

void Amount(const InfRow& row, int labelPair, const char* format, int x) {
  row.Localized(26, 3, kLocalizedTexts[labelPair].japanese, 0);
  char text[64];
  std::snprintf(text, sizeof text, format, CurrentAmount(gPlugin->handles[row.slot]));
  row.Text(x, 3, text);
}

void Coordinates(const InfRow& row, const RealPoint& before, const RealPoint& after) {
  row.Length(26, 120, 1, "X", before.h);
  row.Length(26, 120, 2, "Y", before.v);
  row.Length(136, 230, 1, "X'", after.h);
  row.Length(136, 230, 2, "Y'", after.v);
}

void ExpressionText(const InfRow& row, int line, const char (&field)[kExprSize]) {
  char text[kExprSize + 1];
  CopyField(text, field);
  row.Text(136, line, text);
}

int32_t TwoPointIcon(int16_t kind) {
  return kind == kHandleDistance ? 16252 : kind == kHandleArc ? 16259 : 16253;
}

}  // namespace

void PaintTwoPointRow(const InfRow& row) {
  PluginGlobals& g = *gPlugin;
  const int32_t slot = row.slot;
  const RevisionHandle& h = g.handles[slot];
  const TwoPointHandleData& line = h.line;
  row.Strip(nullptr);
  row.WhiteWhenSelected();
  row.KindIcon(TwoPointIcon(h.kind));

  RealPoint before1 = PresetPoint(line.p1), before2 = PresetPoint(line.p2);
  RealPoint after1 = before1, after2 = before2;
  if (PieceMemberIndex(line.art1) >= 0) {
    GradedPath(line.art1, slot - 1).Anchor(line.index1, &before1);
    GradedPath(line.art1, slot).Anchor(line.index1, &after1);
  }
  if (PieceMemberIndex(line.art2) >= 0) {
    GradedPath(line.art2, slot - 1).Anchor(line.index2, &before2);
    GradedPath(line.art2, slot).Anchor(line.index2, &after2);
  }
  const double scale = CompScale();
  if (h.kind != kHandleArc) {
    row.Length(26, 120, 1, "OD", DistanceBetween(before1, before2) / scale);
    row.Length(26, 120, 2, "GD", DistanceBetween(after1, after2) / scale);
  }

  const double distance = DistanceBetween(before1, before2);
  double length = 0, radius = 0;
  if (line.art1 == line.art2 && PieceMemberIndex(line.art1) >= 0) {
    double lengthAfter = 0, radiusAfter = 0;
    GradedPath(line.art1, slot - 1).Measure(line.index1, line.index2, &length, &radius);
    GradedPath(line.art1, slot).Measure(line.index1, line.index2, &lengthAfter, &radiusAfter);
    if (h.kind != kHandleArc) {
      row.Length(136, 230, 1, "OL", length / scale);
      row.Length(136, 230, 2, "GL", lengthAfter / scale);
    } else {
      row.Length(26, 120, 1, "OR", radius / scale);
      row.Length(26, 120, 2, "GR", radiusAfter / scale);
    }
  }
  if (h.kind != kHandlePlain) {
    SetEnvironment(g, distance, length, radius, slot);
    Amount(row, kAmountLabel, kPercentAmount, 70);
  }
  row.Name();
}

void PaintPointRow(const InfRow& row) {
  PluginGlobals& g = *gPlugin;
  const int32_t slot = row.slot;
  const PointHandleData& point = g.handles[slot].point;
  const int32_t i = PieceMemberIndex(point.art);
  SetEnvironment(g, 0, 0, 0, slot);
  RealPoint before{0, 0}, after{0, 0};
  if (i < 0 || !GradedPath(point.art, slot - 1).Anchor(point.anchorIndex, &before) ||
      !GradedPath(point.art, slot).Anchor(point.anchorIndex, &after))
    return;

  char text[16];
  std::snprintf(text, sizeof text, "%c", HandleIndexToLetter(i));
  row.Text(2, 1, text);
  std::snprintf(text, sizeof text, "%d", point.anchorIndex + 1);
  row.Strip(text);
  row.WhiteWhenSelected();
  row.KindIcon(16254);
  Coordinates(row, before, after);
  const double perPoint = g.unitPerPoint / CompScale();
  row.Localized(26, 3, kLocalizedTexts[kOffsetText].japanese, (after.h - before.h) * perPoint,
                (after.v - before.v) * perPoint);
  row.Name();
}

void PaintMeasurementRow(const InfRow& row) {
  PluginGlobals& g = *gPlugin;
  const int32_t slot = row.slot;
  const TwoPointHandleData& line = g.handles[slot].line;
  row.Strip(nullptr);
  row.KindIcon(16258);

  RealPoint p1 = PresetPoint(line.p1), p2 = PresetPoint(line.p2);
  if (PieceMemberIndex(line.art1) >= 0) GradedPath(line.art1, slot).Anchor(line.index1, &p1);
  if (PieceMemberIndex(line.art2) >= 0) GradedPath(line.art2, slot).Anchor(line.index2, &p2);
  char unit[sizeof g.unitName + 1];
  std::memcpy(unit, g.unitName, sizeof g.unitName);
  unit[sizeof g.unitName] = '\0';
  const double perPoint = g.unitPerPoint / CompScale();

  row.Localized(26, 1, kLocalizedTexts[kDistanceText].japanese, DistanceBetween(p1, p2) * perPoint, 0, unit);
  ExpressionText(row, 1, line.amountExpr[0]);
  const double angle = sAIRealMath->PointAngle(&p1, &p2) / kPiCut * kDegreesPerHalfTurn;
  row.Localized(26, 2, kLocalizedTexts[kMeasuredAngleText].japanese, angle);
  ExpressionText(row, 2, line.amountExpr[1]);
  if (line.art1 == line.art2 && PieceMemberIndex(line.art1) >= 0) {
    double length = 0, radius = 0;
    GradedPath(line.art1, slot).Measure(line.index1, line.index2, &length, &radius);
    row.Localized(26, 3, kLocalizedTexts[kLengthText].japanese, length * perPoint, 0, unit);
    ExpressionText(row, 3, line.amountExpr[2]);
  }
}

void PaintAngleRow(const InfRow& row) {
  PluginGlobals& g = *gPlugin;
  const int32_t slot = row.slot;
  const TwoPointHandleData& line = g.handles[slot].line;
  RealPoint before{0, 0}, after{0, 0};
  if (PieceMemberIndex(line.art2) < 0 || !GradedPath(line.art2, slot - 1).Anchor(line.index2, &before) ||
      !GradedPath(line.art2, slot).Anchor(line.index2, &after))
    return;
  row.Strip(nullptr);
  row.KindIcon(16260);
  Coordinates(row, before, after);
  SetEnvironment(g, 0, 0, 0, slot);
  Amount(row, kAngleAmountLabel, kDegreeAmount, 90);
  row.Name();
}
