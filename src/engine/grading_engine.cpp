#include "engine/grading_engine.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "engine/grading_engine_internal.h"
#include "expr/script.h"
#include "shell/suite_pointers.h"

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

void ApplyHandles(GradingPass& pass, int32_t lastSlot) {
  for (int32_t slot = 0; slot < kMaxHandles && slot <= lastSlot; ++slot) {
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
  }
}

}  // namespace

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

GradedSegment* ComputeGradedSegments(ArtHandle targetArt, int32_t lastSlot) {
  PluginGlobals* g = gPlugin;
  if (g == nullptr || sAIPath == nullptr || sAIRealMath == nullptr) return nullptr;
  const int32_t pathCount = g->pieceArts != nullptr && g->pieceArtCount > 0 ? g->pieceArtCount : 0;

  // A scale index outside the tables grades nothing: the path comes back as drawn.
  const bool scaleKnown = g->currentScaleIndex >= 0 && g->currentScaleIndex < kMaxPresets;
  GradingPass pass{g, nullptr, pathCount, {}, scaleKnown ? g->currentScaleIndex : int16_t{0}};
  pass.base = BaseTransform(*g, scaleKnown ? g->presetScale[pass.scaleIndex] : ScalePair{1.0, 1.0});

  const uint32_t savedSlot = g->envHandleSlot;
  if (pathCount > 0) {
    pass.paths = static_cast<ArtSegments*>(std::calloc(pathCount, sizeof(ArtSegments)));
    if (pass.paths == nullptr) return nullptr;
  }
  for (int32_t i = 0; i < pathCount; ++i) ReadMemberPath(pass, g->pieceArts[i], &pass.paths[i]);

  if (scaleKnown) ApplyHandles(pass, lastSlot);

  GradedSegment* result = nullptr;
  for (int32_t i = 0; i < pathCount; ++i) {
    if (result == nullptr && g->pieceArts[i] == targetArt && targetArt != nullptr) {
      result = pass.paths[i].segments;
    } else {
      std::free(pass.paths[i].segments);
    }
  }
  std::free(pass.paths);
  g->envHandleSlot = savedSlot;
  return result;
}
