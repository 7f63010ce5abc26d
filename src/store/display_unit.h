// The unit in which lengths are shown: millimetres, centimetres or inches.
#pragma once

#include <cstdint>

struct DisplayUnit {
  const char* name;  // "mm", "cm", "in"
  double perPoint;   // units in one point
};

constexpr int16_t kDisplayUnitCount = 3;
// Unit 0 mm, 1 cm, 2 in.
extern const DisplayUnit kDisplayUnits[kDisplayUnitCount];

// A unit outside the table (a damaged preferences file) shows as millimetres.
int16_t ValidDisplayUnit(int32_t unit);

// Sets unitPerPoint and unitName for unit 0 (mm), 1 (cm) or 2 (in) and
// returns 1; any other unit changes nothing and returns 0.
int SetUnitPerPoint(int32_t unit);
