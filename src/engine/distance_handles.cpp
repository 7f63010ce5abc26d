// Distance and angle handles: each acts on a whole handle group, led by the
// slot at which the walk arrives.
#include <cstring>

#include "engine/grading_engine_internal.h"
#include "engine/handle_ends.h"
#include "engine/point_moves.h"
#include "expr/script.h"
#include "geometry/angles.h"
#include "geometry/point_math.h"

namespace {

constexpr char kMovingPrefix[] = "moving_distance(";
constexpr size_t kMovingPrefixLength = sizeof kMovingPrefix - 1;

// The slots after `first` that carry its non-zero group id.
int32_t LastMemberSlot(const PluginGlobals& g, int32_t first) {
  const uint32_t group = g.handles[first].groupId;
  int32_t last = first;
  if (group == 0) return last;
  while (last + 1 < kMaxHandles && g.handles[last + 1].groupId == group) ++last;
  return last;
}

// End 2 becomes the end that lies on a path; the next pass reads the turned ends.
void NormaliseEnds(GradingPass& pass, int32_t slot) {
  TwoPointHandleData& line = pass.g->handles[slot].line;
  if (line.art2 != nullptr) return;
  pass.changedInputs = true;
  if (pass.journal != nullptr)
    pass.journal->ends.push_back({slot, line.p1, line.p2, line.art1, line.art2, line.index1, line.index2});
  PutEndOnPathSecond(line);
}

// The angle of the n-th measurement handle with an angle variable, in slot order.
double MeasurementFrameAngle(const PluginGlobals& g, int32_t n) {
  for (int32_t slot = 0; slot < kMaxHandles; ++slot) {
    const RevisionHandle& h = g.handles[slot];
    if (h.kind != kHandleMeasurement || h.line.amountExpr[1][0] == '\0') continue;
    if (--n == 0) return AmountOf(h.line.amountExpr[1]) * kPiCut / kDegreesPerHalfTurn;
  }
  return g.grading_angle;  // that frame is gone: the grading direction stands in
}

// Where the leader's ends go; returns both-ends.
bool MoveLeaderEnds(GradingPass& pass, const RevisionHandle& leader, RealPoint* a, RealPoint* b) {
  PluginGlobals& g = *pass.g;
  const TwoPointHandleData& line = leader.line;
  const bool both = leader.bothEnds != 0 && MemberAnchor(pass, line.art1, line.index1) != nullptr &&
                    MemberAnchor(pass, line.art2, line.index2) != nullptr;
  if (leader.direction >= 5) {
    const double frame = MeasurementFrameAngle(g, leader.direction - 4);
    const double amount = AmountOf(line.amountExpr[pass.scaleIndex]);
    MovePointForDistance(a, b, g.grading_origin, frame, amount / 100, 0, leader.direction, both);
  } else {
    char copy[kExprSize + 1];
    CopyField(copy, line.amountExpr[pass.scaleIndex]);
    const bool moving = std::strncmp(copy, kMovingPrefix, kMovingPrefixLength) == 0;
    const double amount = EvaluateExpressionToNumber(moving ? copy + kMovingPrefixLength : copy);
    MovePointForDistance(a, b, g.grading_origin, g.grading_angle, amount / 100, moving ? 1 : 0,
                         leader.direction, both);
  }
  return both;
}

// The share of a proportional member: where its end 2 falls along the leader, 1 at the leader's end 2.
double ProportionalFactor(const RevisionHandle& leader, const RevisionHandle& member) {
  const RealPoint& p1 = leader.line.p1;
  const RealPoint& p2 = leader.line.p2;
  const RealPoint axis{p2.h - p1.h, p2.v - p1.v};
  const double squared = axis.h * axis.h + axis.v * axis.v;
  if (squared == 0) return 1.0;
  const RealPoint& q = member.line.p2;
  return ((q.h - p1.h) * axis.h + (q.v - p1.v) * axis.v) / squared;
}

bool IsZero(const RealPoint& d) { return d.h == 0 && d.v == 0; }

// Normalises the leader, finds the group's last slot and the leader's graded
// ends, whose distance the amounts may use; false when the leader has no end
// on a path to move.
bool StartGroup(GradingPass& pass, int32_t slot, int32_t* last, RealPoint* a, RealPoint* b) {
  PluginGlobals& g = *pass.g;
  NormaliseEnds(pass, slot);
  *last = LastMemberSlot(g, slot);
  const TwoPointHandleData& line = g.handles[slot].line;
  if (line.art2 == nullptr) return false;
  *a = GradedEnd(pass, line.art1, line.index1, line.p1);
  *b = GradedEnd(pass, line.art2, line.index2, line.p2);
  SetPassEnvironment(pass, DistanceBetween(*a, *b), 0, 0, slot);
  return true;
}

// The anchor at a member's end 2; a free or point slot carries no such end.
GradedSegment* MemberEnd(GradingPass& pass, const RevisionHandle& member) {
  if (member.kind == kHandleFree || member.kind == kHandlePoint) return nullptr;
  return MemberAnchor(pass, member.line.art2, member.line.index2);
}

}  // namespace

int32_t ApplyDistanceGroup(GradingPass& pass, int32_t slot) {
  PluginGlobals& g = *pass.g;
  int32_t last = slot;
  RealPoint a0, b0;
  if (!StartGroup(pass, slot, &last, &a0, &b0)) return last;
  const RevisionHandle& leader = g.handles[slot];
  const TwoPointHandleData& line = leader.line;
  RealPoint a = a0, b = b0;
  const bool both = MoveLeaderEnds(pass, leader, &a, &b);

  RealPoint delta1{0, 0};
  if (both) {
    delta1 = {a.h - a0.h, a.v - a0.v};
    MoveAnchor(MemberAnchor(pass, line.art1, line.index1), delta1);
  }
  const RealPoint delta2{b.h - b0.h, b.v - b0.v};
  const RealPoint leaderA = MapByBase(pass, line.p1);
  const RealPoint leaderB = MapByBase(pass, line.p2);

  for (int32_t s = slot; s <= last; ++s) {
    const RevisionHandle& member = g.handles[s];
    GradedSegment* end = MemberEnd(pass, member);
    if (end == nullptr) continue;
    const double f = s != slot && member.proportional != 0 ? ProportionalFactor(leader, member) : 1.0;
    const RealPoint d1{delta1.h * f, delta1.v * f};
    const RealPoint d2{delta2.h * f, delta2.v * f};
    if (IsZero(d1) || DistanceBetween(leaderB, end->p) <= DistanceBetween(leaderA, end->p)) {
      MoveAnchor(end, d2);
    } else if (member.line.art2 != line.art1 || member.line.index2 != line.index1) {
      MoveAnchor(end, d1);
    }
  }
  return last;
}

int32_t ApplyAngleGroup(GradingPass& pass, int32_t slot) {
  PluginGlobals& g = *pass.g;
  int32_t last = slot;
  RealPoint pivot, b;
  if (!StartGroup(pass, slot, &last, &pivot, &b)) return last;
  const TwoPointHandleData& line = g.handles[slot].line;
  const double turn = AmountOf(line.amountExpr[pass.scaleIndex]) / kDegreesPerHalfTurn * kPiCut;

  for (int32_t s = slot; s <= last; ++s) {
    const RevisionHandle& member = g.handles[s];
    GradedSegment* end = MemberEnd(pass, member);
    if (end == nullptr) continue;
    RotateAboutPoint(&end->in, pivot, turn);
    RotateAboutPoint(&end->out, pivot, turn);
    RotateAboutPoint(&end->p, pivot, turn);
  }
  return last;
}
