#include "engine/point_moves.h"

#include <cmath>

#include "common/suite_pointers.h"
#include "engine/grading_engine_internal.h"
#include "geometry/angles.h"
#include "geometry/numeric.h"
#include "geometry/point_math.h"

namespace {

constexpr double kMinExtent = 0.1;

// A negative length goes the other way.
void MoveBy(RealPoint* p, double length, double angle) {
  *p = length >= 0 ? Polar(*p, length, angle) : Polar(*p, -length, angle + kPiRounded);
}

// The coordinate across the kept one that gives the length; a length shorter
// than the kept difference leaves nothing across, so the point comes as near
// as it can instead of going nowhere.
double Across(double length, double kept) {
  const double square = length * length - kept * kept;
  return square > 0 ? std::sqrt(square) : 0.0;
}

// from -> p gets the length ratio * |from p| by changing p's h (or its v when vertical).
void ScaleAlongAxis(const RealPoint& from, RealPoint* p, double ratio, bool vertical) {
  const double length = DistanceBetween(from, *p) * ratio;
  if (vertical) {
    p->v = from.v + SignAsDouble(p->v - from.v) * Across(length, p->h - from.h);
  } else {
    p->h = from.h + SignAsDouble(p->h - from.h) * Across(length, p->v - from.v);
  }
}

void ScaleFromPoint(const RealPoint& from, RealPoint* p, double ratio) {
  *p = Polar(from, DistanceBetween(from, *p) * ratio, AngleOf(from, *p));
}

void ScaleDistance(RealPoint* a, RealPoint* b, double ratio, int16_t direction, bool bothEnds) {
  const RealPoint origin{0, 0};
  RealPoint m;
  PointSegmentDistance(*a, *b, origin, &m);
  switch (direction) {
    case 0:
      if (bothEnds) {
        ScaleFromPoint(m, a, ratio);
        ScaleFromPoint(m, b, ratio);
      } else {
        ScaleFromPoint(*a, b, ratio);
      }
      return;
    case 1:
    case 2: {
      const bool vertical = direction == 2;
      const double extent = vertical ? b->v - a->v : b->h - a->h;
      if (AbsOf(extent) <= kMinExtent) return;
      if (bothEnds) {
        ScaleAlongAxis(m, a, ratio, vertical);
        ScaleAlongAxis(m, b, ratio, vertical);
      } else {
        ScaleAlongAxis(*a, b, ratio, vertical);
      }
      return;
    }
    case 3:
      if (bothEnds) {
        *a = {a->h * ratio, a->v * ratio};
        *b = {b->h * ratio, b->v * ratio};
      } else {
        // The farthest point of the ray through b whose distance from a stays within the target.
        const double target = DistanceBetween(*a, *b) * ratio;
        const double ray = AngleOf(origin, *b);
        double lo = 0;
        double step = 2 * DistanceBetween(origin, *b);
        for (int i = 0; i < 20; ++i) {
          step /= 2;
          if (DistanceBetween(*a, Polar(origin, lo + step, ray)) <= target) lo += step;
        }
        *b = Polar(origin, lo, ray);
      }
      return;
    default:
      // 4 is none; 5 and above are horizontal in the measurement frame.
      if (direction >= 5) ScaleDistance(a, b, ratio, 1, bothEnds);
      return;
  }
}

void MoveDistance(RealPoint* a, RealPoint* b, double ratio, int16_t direction, bool bothEnds) {
  const RealPoint origin{0, 0};
  double length = DistanceBetween(*a, *b) * ratio;
  if (bothEnds) length /= 2;
  const double along = AngleOf(*a, *b);
  switch (direction) {
    case 0:
      if (bothEnds) MoveBy(a, length, along + kPiRounded);
      MoveBy(b, length, along);
      return;
    case 1:
      if (bothEnds) a->h -= length;
      b->h += length;
      return;
    case 2:
      if (bothEnds) a->v += length;
      b->v -= length;
      return;
    case 3:
      if (bothEnds) MoveBy(a, length, AngleOf(origin, *a));
      MoveBy(b, length, AngleOf(origin, *b));
      return;
    default:
      return;
  }
}

}  // namespace

void MovePointForDistance(RealPoint* a, RealPoint* b, const RealPoint& centre, double angle, double ratio,
                          int16_t moving, int16_t direction, int16_t bothEnds) {
  RealMatrix toFrame;
  sAIRealMath->MatrixSetTranslate(&toFrame, -centre.h, -centre.v);
  sAIRealMath->MatrixConcatRotate(&toFrame, -angle);
  RealPoint pa, pb;
  sAIRealMath->TransformPoint(&toFrame, a, &pa);
  sAIRealMath->TransformPoint(&toFrame, b, &pb);

  if (moving != 0 && direction <= 3) {
    MoveDistance(&pa, &pb, ratio, direction, bothEnds != 0);
  } else {
    ScaleDistance(&pa, &pb, ratio, direction, bothEnds != 0);
  }

  RealMatrix back;
  sAIRealMath->MatrixSetRotate(&back, angle);
  sAIRealMath->MatrixConcatTranslate(&back, centre.h, centre.v);
  sAIRealMath->TransformPoint(&back, &pa, a);
  sAIRealMath->TransformPoint(&back, &pb, b);
}

double PointSegmentDistance(const RealPoint& a, const RealPoint& b, const RealPoint& p, RealPoint* foot) {
  return PointSegmentDistance2(a, b, p, foot);
}

double SignAsDouble(double x) { return x < 0 ? -1.0 : 1.0; }

void RotateAboutPoint(RealPoint* point, const RealPoint& centre, double angle) {
  RealMatrix m;
  sAIRealMath->MatrixSetTranslate(&m, -centre.h, -centre.v);
  sAIRealMath->MatrixConcatRotate(&m, angle);
  sAIRealMath->MatrixConcatTranslate(&m, centre.h, centre.v);
  const RealPoint source = *point;
  sAIRealMath->TransformPoint(&m, &source, point);
}
