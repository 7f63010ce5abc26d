// The unit in which lengths are shown: millimetres, centimetres or inches.
#pragma once

#include <cstdint>

// Sets unitPerPoint and unitName for unit 0 (mm), 1 (cm) or 2 (in) and
// returns 1; any other unit changes nothing and returns 0.
int SetUnitPerPoint(int32_t unit);
