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
