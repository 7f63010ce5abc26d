// The piece the benchmarks grade: closed paths of 40 segments (half a circle
// in 20 cubic arcs, then 20 straight sides) carrying handles of every kind in
// each ten slots (distance x4, length x2, point, measurement, arc, angle),
// ten pairs of them grouped, and 99 presets whose scales all differ.
#pragma once

#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "common/plugin_globals.h"

namespace bench {

constexpr int kPieceAnchors = 40;
constexpr int16_t kSlotKinds[10] = {kHandleDistance, kHandleDistance,    kHandleDistance, kHandleLength,
                                    kHandlePoint,    kHandleMeasurement, kHandleArc,      kHandleAngle,
                                    kHandleDistance, kHandleLength};

// Half a circle of radius 100 in 20 arcs, closed by a zigzag of 20 straight sides.
inline std::vector<PathSegment> PieceOutline(double left, double bottom = 0) {
  std::vector<PathSegment> segments;
  const double step = M_PI / 20;
  const double handle = 100 * 4.0 / 3 * std::tan(step / 4);
  for (int i = 0; i < 20; ++i) {
    const double a = i * step;
    const RealPoint p{left + 100 * std::cos(a), bottom + 100 * std::sin(a)};
    const RealPoint t{-std::sin(a) * handle, std::cos(a) * handle};
    segments.push_back({p, {p.h - t.h, p.v - t.v}, {p.h + t.h, p.v + t.v}, 0});
  }
  for (int i = 0; i < 20; ++i) {
    const RealPoint p{left - 100 + 10 * i, bottom - 20.0 - 15 * (i % 2)};
    segments.push_back({p, p, p, 1});
  }
  return segments;
}

inline void SetAmounts(TwoPointHandleData& line, const char* format, int slot) {
  for (int s = 0; s < kMaxPresets; ++s)
    std::snprintf(line.amountExpr[s], kExprSize, format, 100 + s % 7 + slot % 3);
}

// The handle of `slot` on the member paths `arts` (each of kPieceAnchors
// anchors); a measurement handle names its four variables in the table.
inline void MakeHandle(PluginGlobals& g, const ArtHandle* arts, int artCount, int slot) {
  RevisionHandle& h = g.handles[slot];
  std::memset(&h, 0, sizeof h);
  const int16_t kind = kSlotKinds[slot % 10];
  ArtHandle art = arts[slot % artCount];
  const int a = slot % 17;
  h.kind = kind;
  if (kind == kHandlePoint) {
    h.point.art = art;
    h.point.anchorIndex = (slot * 3) % kPieceAnchors;
    for (int s = 0; s < kMaxPresets; ++s) {
      std::snprintf(h.point.xExpr[s], kExprSize, "%g", 0.1 * (s % 5));
      std::snprintf(h.point.yExpr[s], kExprSize, "-%g", 0.1 * (s % 3));
    }
    return;
  }
  const int b = kind == kHandleDistance ? (slot * 7 + 5) % kPieceAnchors : a + 3;
  h.line = TwoPointHandleData{{}, {}, art, art, a, b, {}};
  switch (kind) {
    case kHandleDistance:
      h.direction = static_cast<int16_t>(slot % 5);
      h.bothEnds = static_cast<int16_t>(slot % 2);
      if (slot % 10 < 2) h.groupId = 1 + slot / 10;  // ten groups of two
      if (slot % 10 == 8) {
        SetAmounts(h.line, "moving_distance(%d) / %%%%DISTANCE%%%% * 100 * %%%%GR_COMPSCALE%%%%", slot);
      } else {
        SetAmounts(h.line, "%d.5", slot);
      }
      break;
    case kHandleMeasurement:
      for (int i = 0; i < 4; ++i) {
        std::snprintf(h.line.amountExpr[i], kExprSize, "m%d_%d", slot, i);
        std::strcpy(g.variables.varNames[(slot / 10) * 4 + i], h.line.amountExpr[i]);
      }
      break;
    case kHandleAngle:
      h.line.index2 = a + 1;
      SetAmounts(h.line, "(%d - 100) / 4", slot);
      break;
    default:
      SetAmounts(h.line, "%d - 4", slot);
      break;
  }
}

// Handles in slots 0 to count - 1; the rest of the table is free.
inline void MakeHandles(PluginGlobals& g, const ArtHandle* arts, int artCount, int count) {
  std::memset(g.handles, 0, sizeof g.handles);
  for (int slot = 0; slot < count; ++slot) MakeHandle(g, arts, artCount, slot);
}

// Scales of preset s: 1 + s / 100 across, 1 + s / 50 up; in the preferences and in the group.
inline void SetPresetScales(PluginGlobals& g) {
  for (int s = 0; s < kMaxPresets; ++s)
    g.presetScale[s] = g.groupPresetScale[s] = {1 + s / 100.0, 1 + s / 50.0};
}

}  // namespace bench
