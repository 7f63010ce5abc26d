// Lengths measured with the measurement tool, scaled into the size table.
#pragma once

#include "host_types.h"

// The distance between two points in millimetres, to the nearest 0.1.
double MeasuredLengthMillimetres(const RealPoint& from, const RealPoint& to);

// measureLength, taken as the basic size's, scaled by each pitch into rows 0
// to 3 of the chosen column. 0, with nothing stored, when the basic row has no
// pitch.
int StoreMeasurementInSizeTable();
