#include "engine/grading_engine.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "common/suite_pointers.h"
#include "engine/grading_engine_internal.h"
#include "expr/script.h"

// Translate by -origin, rotate by -angle, scale, rotate back, translate back.
RealMatrix BaseTransform(const PluginGlobals& g, const ScalePair& scale) {
  RealMatrix m;
  sAIRealMath->MatrixSetTranslate(&m, -g.grading_origin.h, -g.grading_origin.v);
  sAIRealMath->MatrixConcatRotate(&m, -g.grading_angle);
  sAIRealMath->MatrixConcatScale(&m, scale.h, scale.v);
  sAIRealMath->MatrixConcatRotate(&m, g.grading_angle);
  sAIRealMath->MatrixConcatTranslate(&m, g.grading_origin.h, g.grading_origin.v);
  return m;
}

namespace {

void ReadMemberPath(GradingPass& pass, ArtHandle art, ArtSegments* out) {
  int16_t count = 0;
  int32_t closed = 0;
  if (art == nullptr || sAIPath->GetPathSegmentCount(art, &count) != kNoErr || count <= 0) return;
  sAIPath->GetPathClosed(art, &closed);
  auto* segments = static_cast<GradedSegment*>(std::calloc(count, sizeof(GradedSegment)));
  if (segments == nullptr) return;
  if (sAIPath->GetPathSegments(art, 0, count, segments) != kNoErr) {
    std::free(segments);
    return;
  }
  for (int16_t i = 0; i < count; ++i) {
    segments[i].p = MapByBase(pass, segments[i].p);
    segments[i].in = MapByBase(pass, segments[i].in);
    segments[i].out = MapByBase(pass, segments[i].out);
  }
  out->closed = closed;
  out->segmentCount = count;
  out->segments = segments;
}

void ApplyHandles(GradingPass& pass, int32_t lastSlot, PassObserver* observer) {
  for (int32_t slot = 0; slot < kMaxHandles && slot <= lastSlot; ++slot) {
    const int32_t first = slot;
    switch (pass.g->handles[slot].kind) {
      case kHandleDistance:
        slot = ApplyDistanceGroup(pass, slot);
        break;
      case kHandleLength:
        ApplyLengthHandle(pass, slot);
        break;
      case kHandlePoint:
        ApplyPointHandle(pass, slot);
        break;
      case kHandleMeasurement:
        ApplyMeasurementHandle(pass, slot);
        break;
      case kHandleArc:
        ApplyArcHandle(pass, slot);
        break;
      case kHandleAngle:
        slot = ApplyAngleGroup(pass, slot);
        break;
      default:
        break;
    }
    if (observer != nullptr) observer->AfterStep(pass, first, slot);
  }
}

bool IsFinite(const RealPoint& p) { return std::isfinite(p.h) && std::isfinite(p.v); }

}  // namespace

// An amount far beyond any garment can overflow the coordinates; a segment
// that no longer has a number anywhere keeps its base-scaled place.
void KeepFiniteSegments(GradedSegment* graded, const GradedSegment* base, int16_t count) {
  for (int16_t i = 0; i < count; ++i) {
    if (!IsFinite(graded[i].p) || !IsFinite(graded[i].in) || !IsFinite(graded[i].out)) graded[i] = base[i];
  }
}

ArtSegments* MemberPath(GradingPass& pass, ArtHandle art) {
  if (art == nullptr) return nullptr;
  for (int32_t i = 0; i < pass.pathCount; ++i) {
    if (pass.g->pieceArts[i] == art) return &pass.paths[i];
  }
  return nullptr;
}

GradedSegment* MemberAnchor(GradingPass& pass, ArtHandle art, int32_t index) {
  ArtSegments* path = MemberPath(pass, art);
  if (path == nullptr || index < 0 || index >= path->segmentCount) return nullptr;
  return &path->segments[index];
}

RealPoint MapByBase(const GradingPass& pass, const RealPoint& p) {
  RealPoint out;
  sAIRealMath->TransformPoint(&pass.base, &p, &out);
  return out;
}

RealPoint GradedEnd(GradingPass& pass, ArtHandle art, int32_t index, const RealPoint& stored) {
  const GradedSegment* anchor = MemberAnchor(pass, art, index);
  return anchor != nullptr ? anchor->p : MapByBase(pass, stored);
}

void MoveAnchor(GradedSegment* anchor, const RealPoint& delta) {
  anchor->p.h += delta.h;
  anchor->p.v += delta.v;
  anchor->in.h += delta.h;
  anchor->in.v += delta.v;
  anchor->out.h += delta.h;
  anchor->out.v += delta.v;
}

RealPoint Polar(const RealPoint& from, double length, double angle) {
  return {from.h + length * std::cos(angle), from.v + length * std::sin(angle)};
}

void SetPassEnvironment(GradingPass& pass, double distance, double length, double radius, int32_t slot) {
  pass.environmentSet = true;
  SetEnvironment(*pass.g, distance, length, radius, slot);
}

void PassJournal::TakeBack(PluginGlobals& g) const {
  for (auto it = values.rbegin(); it != values.rend(); ++it)
    std::memcpy(g.variables.varValues[it->first], it->second.data(), kVarValueSize);
  for (auto it = ends.rbegin(); it != ends.rend(); ++it) {
    TwoPointHandleData& line = g.handles[it->slot].line;
    line.p1 = it->p1;
    line.p2 = it->p2;
    line.art1 = it->art1;
    line.art2 = it->art2;
    line.index1 = it->index1;
    line.index2 = it->index2;
  }
}

void SetEnvironment(PluginGlobals& g, double distance, double length, double radius, int32_t slot) {
  g.envDistance = distance;
  g.envLength = length;
  g.envRadius = radius;
  g.envHandleSlot = static_cast<uint32_t>(slot);
}

void CopyField(char (&out)[kExprSize + 1], const char (&field)[kExprSize]) {
  std::memcpy(out, field, kExprSize);
  out[kExprSize] = '\0';
}

double AmountOf(const char (&field)[kExprSize]) {
  char text[kExprSize + 1];
  CopyField(text, field);
  return EvaluateExpressionToNumber(text);
}

PieceGrading GradeWholePiece(int32_t lastSlot) { return GradePieceThrough(lastSlot, nullptr, nullptr); }

PieceGrading GradePieceThrough(int32_t lastSlot, PassObserver* observer, PassJournal* journal) {
  PieceGrading result{nullptr, 0, false, false};
  PluginGlobals* g = gPlugin;
  if (g == nullptr || sAIPath == nullptr || sAIRealMath == nullptr) return result;
  const int32_t pathCount = g->pieceArts != nullptr && g->pieceArtCount > 0 ? g->pieceArtCount : 0;

  // A scale index outside the tables grades nothing: the paths come back as drawn.
  const bool scaleKnown = g->currentScaleIndex >= 0 && g->currentScaleIndex < kMaxPresets;
  GradingPass pass{g, nullptr, pathCount, {}, scaleKnown ? g->currentScaleIndex : int16_t{0}, false, false,
                   journal};
  pass.base = BaseTransform(*g, scaleKnown ? g->presetScale[pass.scaleIndex] : ScalePair{1.0, 1.0});
  if (pathCount == 0) return result;
  pass.paths = static_cast<ArtSegments*>(std::calloc(pathCount, sizeof(ArtSegments)));
  auto** bases = static_cast<GradedSegment**>(std::calloc(pathCount, sizeof(GradedSegment*)));
  if (pass.paths == nullptr || bases == nullptr) {
    std::free(pass.paths);
    std::free(bases);
    return result;
  }
  const uint32_t savedSlot = g->envHandleSlot;
  const uint32_t errorsBefore = ScriptErrorsRaised();
  for (int32_t i = 0; i < pathCount; ++i) {
    ArtSegments& path = pass.paths[i];
    ReadMemberPath(pass, g->pieceArts[i], &path);
    if (path.segments == nullptr) continue;
    const size_t bytes = path.segmentCount * sizeof(GradedSegment);
    bases[i] = static_cast<GradedSegment*>(std::malloc(bytes));
    if (bases[i] != nullptr) std::memcpy(bases[i], path.segments, bytes);
  }

  if (observer != nullptr) observer->Start(pass);
  if (scaleKnown) ApplyHandles(pass, lastSlot, observer);

  for (int32_t i = 0; i < pathCount; ++i) {
    if (bases[i] != nullptr) KeepFiniteSegments(pass.paths[i].segments, bases[i], pass.paths[i].segmentCount);
    std::free(bases[i]);
  }
  std::free(bases);
  g->envHandleSlot = savedSlot;
  result.members = pass.paths;
  result.count = pathCount;
  result.changedInputs = pass.changedInputs;
  result.failedAmounts = ScriptErrorsRaised() != errorsBefore;
  return result;
}

void FreePieceGrading(PieceGrading* grading) {
  for (int32_t i = 0; i < grading->count; ++i) std::free(grading->members[i].segments);
  std::free(grading->members);
  *grading = PieceGrading{nullptr, 0, false, false};
}

ArtSegments* GradedMember(const PieceGrading& grading, ArtHandle art) {
  const PluginGlobals* g = gPlugin;
  if (art == nullptr || g == nullptr || g->pieceArts == nullptr) return nullptr;
  for (int32_t i = 0; i < grading.count && i < g->pieceArtCount; ++i) {
    if (g->pieceArts[i] == art) return &grading.members[i];
  }
  return nullptr;
}

GradedSegment* ComputeGradedSegments(ArtHandle targetArt, int32_t lastSlot) {
  PieceGrading grading = GradeWholePiece(lastSlot);
  GradedSegment* result = nullptr;
  if (ArtSegments* target = GradedMember(grading, targetArt)) {
    result = target->segments;
    target->segments = nullptr;
  }
  FreePieceGrading(&grading);
  return result;
}
