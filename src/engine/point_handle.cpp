// Point handles: one anchor moves by millimetres per preset.
#include "engine/grading_engine_internal.h"

namespace {

constexpr double kPointsPerMillimetre = 2.834645669291339;

}  // namespace

void ApplyPointHandle(GradingPass& pass, int32_t slot) {
  PluginGlobals& g = *pass.g;
  const PointHandleData& point = g.handles[slot].point;
  GradedSegment* anchor = MemberAnchor(pass, point.art, point.anchorIndex);
  if (anchor == nullptr) return;
  SetPassEnvironment(pass, 0, 0, 0, slot);
  const auto& x = point.xExpr[pass.scaleIndex];
  const auto& y = point.yExpr[pass.scaleIndex];
  // Each coordinate evaluates its text anew, so random amounts differ per coordinate.
  anchor->p.h += AmountOf(x) * kPointsPerMillimetre;
  anchor->p.v += AmountOf(y) * kPointsPerMillimetre;
  anchor->in.h += AmountOf(x) * kPointsPerMillimetre;
  anchor->in.v += AmountOf(y) * kPointsPerMillimetre;
  anchor->out.h += AmountOf(x) * kPointsPerMillimetre;
  anchor->out.v += AmountOf(y) * kPointsPerMillimetre;
}
