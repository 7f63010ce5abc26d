// Measurement handles: what they measure goes into their named variables.
#include <cstdio>
#include <string>

#include "common/suite_pointers.h"
#include "engine/grading_engine_internal.h"
#include "engine/variable_value.h"
#include "geometry/angles.h"
#include "geometry/point_math.h"

namespace {

// An empty name field names no variable. A new text unsettles the pass: a
// handle before this one reads it only in the next.
void StoreMeasured(GradingPass& pass, const char (&nameField)[kExprSize], bool known, double value) {
  char name[kExprSize + 1];
  CopyField(name, nameField);
  if (name[0] == '\0') return;
  char text[512] = "";
  if (known) std::snprintf(text, sizeof text, "%.2f", value);
  if (pass.journal != nullptr) {
    const int row = FindVariableRow(name);
    if (row >= 0)
      pass.journal->values.emplace_back(row, std::string(pass.g->variables.varValues[row], kVarValueSize));
  }
  if (SetVariableValue(name, text)) pass.changedInputs = true;
}

}  // namespace

void ApplyMeasurementHandle(GradingPass& pass, int32_t slot) {
  const PluginGlobals& g = *pass.g;
  const TwoPointHandleData& line = g.handles[slot].line;
  const RealPoint a = GradedEnd(pass, line.art1, line.index1, line.p1);
  const RealPoint b = GradedEnd(pass, line.art2, line.index2, line.p2);
  StoreMeasured(pass, line.amountExpr[0], true, DistanceBetween(a, b) * g.unitPerPoint);
  if (line.amountExpr[1][0] != '\0') {
    StoreMeasured(pass, line.amountExpr[1], true,
                  sAIRealMath->PointAngle(&a, &b) / kPiCut * kDegreesPerHalfTurn);
  }
  CurveRun run;
  const bool onePath = RunOfHandle(pass, line, &run) != 0;
  if (line.amountExpr[2][0] != '\0') {
    StoreMeasured(pass, line.amountExpr[2], onePath, onePath ? RunLength(run) * g.unitPerPoint : 0);
  }
  if (line.amountExpr[3][0] != '\0') {
    StoreMeasured(pass, line.amountExpr[3], onePath,
                  onePath ? ArcTestOverRun(run).radius * g.unitPerPoint : 0);
  }
}
