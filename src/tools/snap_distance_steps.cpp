// Whole steps of the grid distance from the drag's reference.
#include "geometry/angles.h"
#include "geometry/host_math.h"
#include "geometry/numeric.h"
#include "geometry/point_math.h"
#include "tools/snap_targets.h"
#include "tools/snap_walk.h"

namespace {

constexpr double kEighthTurn = kQuarterOfPiRounded;
constexpr double kQuarterTurn = kHalfOfPiRounded;
constexpr double kStepsLimit = 1073741824.0;  // beyond it the count would not fit an int

// The distance rounded to whole steps; false when the step cannot be used.
bool WholeSteps(double distance, double step, double* rounded) {
  if (!(step > 0)) return false;
  const double steps = distance / step;
  if (!(AbsOf(steps) < kStepsLimit)) return false;
  *rounded = RoundToInt(steps) * step;
  return true;
}

void PlaceAtSteps(const RealPoint& from, double distance, double step, RealPoint* p) {
  double rounded = 0;
  if (!WholeSteps(distance, step, &rounded)) return;
  const double a = AngleOf(from, *p);
  *p = {from.h + rounded * CosOf(a), from.v + rounded * SinOf(a)};
}

// Steps along one axis from whichever reference is nearer on it.
double StepOnAxis(double value, double first, double second, double step) {
  const double reference = AbsOf(value - second) < AbsOf(value - first) ? second : first;
  double rounded = 0;
  if (!WholeSteps(value - reference, step, &rounded)) return value;
  return reference + rounded;
}

// Vertical (1) or horizontal (2) steps, from the direction of the movement.
int16_t ChooseAxis(const TrackingState& t, const RealPoint& p, double pixel) {
  const int16_t kept = t.second.snapKind;
  int16_t mode = 1;
  if (kept != 0 && DistanceBetween(p, t.second.point) <= 5 * pixel) {
    mode = kept;
  } else {
    const RealPoint& from = kept != 0 ? t.second.point : t.first.point;
    double a = AngleOf(from, p) - kEighthTurn;
    if (a < 0) a += kTwoPiRounded;
    const int32_t quarter = TruncToInt(a / kQuarterTurn + 1);
    if (quarter == 2 || quarter == 4) mode = 2;
  }
  const RealPoint& first = t.first.point;
  const RealPoint& second = t.second.point;
  if (first.v - pixel < second.v && second.v <= first.v + pixel) mode = 1;
  if (first.h - pixel < second.h && second.h <= first.h + pixel) mode = 2;
  return mode;
}

void StepFromPath(const SnapHit& hit, double step, RealPoint* p) {
  std::vector<PathSegment> segments;
  bool closed = false;
  if (!ReadSnapPath(hit.art, &segments, &closed)) return;
  const size_t n = segments.size();
  double best = 0;
  RealPoint nearest{};
  bool found = false;
  for (size_t i = 1; i <= n; ++i) {
    if (i == n && !(closed && n >= 2)) break;
    RealPoint foot;
    int16_t side = 0;
    const double d = ComputeHitPairMeasure(segments[i - 1], segments[i % n], *p, &foot, &side);
    if (!found || d < best) {
      best = d;
      nearest = foot;
      found = true;
    }
  }
  if (found) PlaceAtSteps(nearest, best, step, p);
}

}  // namespace

void SnapToDistanceSteps(RealPoint* point, int16_t mode) {
  const TrackingState& t = gPlugin->tracking;
  const double step = gPlugin->flGrDistance;
  const double pixel = ScreenPixelsToPoints(1, FirstViewZoom());
  RealPoint p = *point;
  if (mode == 1) mode = ChooseAxis(t, p, pixel);
  SnapHit a = kNoSnapHit, b = kNoSnapHit;
  if (mode == 3 && !FindHitPairInTables(&a, &b)) mode = 0;
  if (mode == 0) {
    RealPoint foot;
    const double d = PointSegmentDistance2(t.first.point, t.second.point, p, &foot);
    PlaceAtSteps(foot, d, step, &p);
  } else if (mode == 1) {
    p.v = StepOnAxis(p.v, t.first.point.v, t.second.point.v, step);
  } else if (mode == 2) {
    p.h = StepOnAxis(p.h, t.first.point.h, t.second.point.h, step);
  } else if (mode == 3) {
    StepFromPath(a, step, &p);
  }
  ToRealPoint(p, point);
}
