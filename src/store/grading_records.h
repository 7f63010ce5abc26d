// The in-memory records of a piece's grading: revision handles, presets,
// scale pairs and the variable table.
#pragma once

#include <cstdint>

#include "host_types.h"

constexpr int kMaxHandles = 200;
constexpr int kMaxPresets = 99;
constexpr int kMaxVariables = 200;
constexpr int kNameSize = 81;        // 80 characters and NUL
constexpr int kExprSize = 82;        // 81 bytes and NUL
constexpr int kVarValueSize = 4096;  // 4,095 bytes and NUL
constexpr int kVarNameSize = 82;

enum RevisionHandleKind : int16_t {
  kHandleFree = 0,
  kHandlePlain = 1,
  kHandleDistance = 2,
  kHandleLength = 3,
  kHandlePoint = 4,
  kHandleMeasurement = 5,
  kHandleArc = 6,
  kHandleAngle = 7,
};

// Layout of a point handle (kind 4).
struct PointHandleData {
  ArtHandle art;
  int32_t anchorIndex;
  char xExpr[kMaxPresets][kExprSize];
  char yExpr[kMaxPresets][kExprSize];
};

// Layout of every other kind. Its amount table shares storage with the point
// layout's y table, so only the layout that `kind` names is valid.
struct TwoPointHandleData {
  RealPoint p1;
  RealPoint p2;
  ArtHandle art1;
  ArtHandle art2;
  int32_t index1;
  int32_t index2;
  char amountExpr[kMaxPresets][kExprSize];
};

struct RevisionHandle {
  int16_t listSelected;
  uint32_t groupId;
  char name[kNameSize];
  int16_t kind;
  int16_t direction;
  int16_t bothEnds;
  int16_t proportional;
  union {
    PointHandleData point;
    TwoPointHandleData line;
  };
};

struct PresetRecord {
  char name[kNameSize];
  int32_t scaleIndex;
  int16_t enabled;
  int16_t empty;
  int16_t output;
};

struct ScalePair {
  double h;
  double v;
};

// Four parallel heap arrays of kMaxVariables rows.
struct VariableTable {
  char (*varValues)[kVarValueSize];
  char (*varNames)[kVarNameSize];
  char (*varTitles)[kVarNameSize];
  uint32_t* varPrivate;
};

// The packed integer that carries kind, direction, both-ends, proportional and
// the list selection in document tags: kind + 100 * direction + 1000 * bothEnds
// + 10000 * proportional, negated when listSelected. A point handle packs its
// kind alone. Each multiplied field is kept within 0..9 so that it cannot
// spill into its neighbour.
inline int32_t PackHandleCode(const RevisionHandle& handle) {
  auto digit = [](int16_t v) { return static_cast<int32_t>(v < 0 ? 0 : (v > 9 ? 9 : v)); };
  int32_t code = handle.kind;
  if (handle.kind != kHandlePoint) {
    code +=
        100 * digit(handle.direction) + 1000 * digit(handle.bothEnds) + 10000 * digit(handle.proportional);
  }
  return handle.listSelected ? -code : code;
}

inline void UnpackHandleCode(int32_t code, RevisionHandle* handle) {
  handle->listSelected = code < 0 ? 1 : 0;
  const int32_t magnitude = code < 0 ? -(code % 100000) : code % 100000;
  handle->kind = static_cast<int16_t>(magnitude % 100);
  handle->direction = static_cast<int16_t>(magnitude / 100 % 10);
  handle->bothEnds = static_cast<int16_t>(magnitude / 1000 % 10);
  handle->proportional = static_cast<int16_t>(magnitude / 10000 % 10);
}
