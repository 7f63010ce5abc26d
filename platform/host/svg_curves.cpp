#include "svg_curves.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

double AngleBetween(double ux, double uy, double vx, double vy) {
  return std::atan2(ux * vy - uy * vx, ux * vx + uy * vy);
}

}  // namespace

CubicPiece QuadraticAsCubic(RealPoint from, RealPoint control, RealPoint to) {
  return CubicPiece{{from.h + 2.0 / 3 * (control.h - from.h), from.v + 2.0 / 3 * (control.v - from.v)},
                    {to.h + 2.0 / 3 * (control.h - to.h), to.v + 2.0 / 3 * (control.v - to.v)},
                    to};
}

std::vector<CubicPiece> ArcAsCubics(RealPoint from, double rx, double ry, double degrees, bool large, bool sweep,
                                    RealPoint to) {
  std::vector<CubicPiece> pieces;
  if (from.h == to.h && from.v == to.v) return pieces;
  rx = std::fabs(rx);
  ry = std::fabs(ry);
  const double phi = std::fmod(degrees, 360.0) * kPi / 180;
  const double cosPhi = std::cos(phi), sinPhi = std::sin(phi);
  // The start relative to the chord's middle, in the ellipse's own axes.
  const double dx = (from.h - to.h) / 2, dy = (from.v - to.v) / 2;
  const double x1 = cosPhi * dx + sinPhi * dy, y1 = -sinPhi * dx + cosPhi * dy;
  const double reach = (x1 * x1) / (rx * rx) + (y1 * y1) / (ry * ry);
  if (reach > 1) {
    rx *= std::sqrt(reach);
    ry *= std::sqrt(reach);
  }
  const double rx2 = rx * rx, ry2 = ry * ry;
  // Grown radii reach just across: the centre is the chord's middle.
  double share = reach > 1 ? 0 : (rx2 * ry2 - rx2 * y1 * y1 - ry2 * x1 * x1) / (rx2 * y1 * y1 + ry2 * x1 * x1);
  if (!(share > 0)) share = 0;  // rounding past a half ellipse
  const double sign = large != sweep ? 1 : -1;
  const double cx1 = sign * std::sqrt(share) * rx * y1 / ry, cy1 = sign * std::sqrt(share) * -ry * x1 / rx;
  const double cx = cosPhi * cx1 - sinPhi * cy1 + (from.h + to.h) / 2;
  const double cy = sinPhi * cx1 + cosPhi * cy1 + (from.v + to.v) / 2;
  const double start = AngleBetween(1, 0, (x1 - cx1) / rx, (y1 - cy1) / ry);
  double turn = AngleBetween((x1 - cx1) / rx, (y1 - cy1) / ry, (-x1 - cx1) / rx, (-y1 - cy1) / ry);
  if (!sweep && turn > 0) turn -= 2 * kPi;
  if (sweep && turn < 0) turn += 2 * kPi;
  if (!std::isfinite(turn)) return pieces;
  const int count = std::max(1, static_cast<int>(std::ceil(std::fabs(turn) / (kPi / 2) - 1e-9)));
  const double step = turn / count;
  const double k = 4.0 / 3 * std::tan(step / 4);
  auto onEllipse = [&](double x, double y) {
    return RealPoint{cx + rx * cosPhi * x - ry * sinPhi * y, cy + rx * sinPhi * x + ry * cosPhi * y};
  };
  for (int i = 0; i < count; ++i) {
    const double a = start + i * step, b = a + step;
    const double ca = std::cos(a), sa = std::sin(a), cb = std::cos(b), sb = std::sin(b);
    pieces.push_back(CubicPiece{onEllipse(ca - k * sa, sa + k * ca), onEllipse(cb + k * sb, sb - k * cb),
                                i + 1 == count ? to : onEllipse(cb, sb)});
  }
  return pieces;
}
