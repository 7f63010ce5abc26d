// A handle read and measured the way the engine reads and measures it, for
// the dialogs and the Information list that show it.
#pragma once

#include <cstdint>

#include "common/plugin_globals.h"
#include "engine/grading_engine.h"

// The value of an amount or a name field, read no further than its fixed size.
double AmountOf(const char (&field)[kExprSize]);
void CopyField(char (&out)[kExprSize + 1], const char (&field)[kExprSize]);

// A preset's scale about the grading origin along the grading angle.
RealMatrix BaseTransform(const PluginGlobals& g, const ScalePair& scale);

// What the expressions of the handle at slot see as distance, length and radius.
void SetEnvironment(PluginGlobals& g, double distance, double length, double radius, int32_t slot);

// Length and mean radius (0 unless one arc) of the run between two anchors of
// a graded path, measured as the engine measures it.
void MeasureRun(ArtSegments* path, int32_t index1, int32_t index2, double* length, double* radius);
// 1 when every curve of the run between two anchors lies on one circle.
int16_t RunIsOneArc(ArtSegments* path, int32_t index1, int32_t index2);
