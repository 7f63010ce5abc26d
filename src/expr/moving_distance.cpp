#include <cmath>

#include "common/plugin_globals.h"
#include "expr/script_internal.h"
#include "geometry/angles.h"
#include "geometry/numeric.h"
#include "geometry/point_math.h"

namespace {

constexpr double kPointsPerMillimetre = 2.834645669291339;

// Into the grading frame: origin at the grading origin, x along the grading angle.
RealPoint ToGradingFrame(const RealPoint& p, const PluginGlobals& g) {
  double x = p.h - g.grading_origin.h;
  double y = p.v - g.grading_origin.v;
  double c = std::cos(-g.grading_angle);
  double s = std::sin(-g.grading_angle);
  return RealPoint{x * c - y * s, x * s + y * c};
}

RealPoint MoveAlong(const RealPoint& p, double angle, double d) {
  if (d < 0) angle += kPiRounded;
  double length = std::fabs(d);
  return RealPoint{p.h + length * std::cos(angle), p.v + length * std::sin(angle)};
}

}  // namespace

// The length a distance handle's span gets when its second end moves by
// millimetres in the handle's direction mode; false unless the handle being
// evaluated is a distance handle.
bool MovingDistanceOfHandle(double millimetres, double* distance) {
  const PluginGlobals& g = *gPlugin;
  if (g.envHandleSlot >= static_cast<uint32_t>(kMaxHandles)) return false;
  const RevisionHandle& handle = g.handles[g.envHandleSlot];
  if (handle.kind != kHandleDistance) return false;

  double d = millimetres * kPointsPerMillimetre;
  RealPoint p1 = ToGradingFrame(handle.line.p1, g);
  RealPoint p2 = ToGradingFrame(handle.line.p2, g);
  RealPoint moved = p2;
  switch (handle.direction) {
    case 0:
      moved = MoveAlong(p2, AngleOf(p1, p2), d);
      break;
    case 1:
      moved.h += d;
      break;
    case 2:
      moved.v -= d;
      break;
    case 3:
      moved = MoveAlong(p2, AngleOf(RealPoint{0.0, 0.0}, p2), d);
      break;
    default:
      break;
  }
  *distance = DistanceBetween(p1, moved) * g.unitPerPoint;
  return true;
}
