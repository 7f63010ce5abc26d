#include "store/display_unit.h"

#include <cstring>

#include "common/plugin_globals.h"

const DisplayUnit kDisplayUnits[kDisplayUnitCount] = {
    {"mm", 0.35277777777777775}, {"cm", 0.035277777777777776}, {"in", 0.013888888888888888}};

int16_t ValidDisplayUnit(int32_t unit) {
  return unit >= 0 && unit < kDisplayUnitCount ? static_cast<int16_t>(unit) : 0;
}

int SetUnitPerPoint(int32_t unit) {
  if (gPlugin == nullptr || unit < 0 || unit > 2) return 0;
  gPlugin->unitPerPoint = kDisplayUnits[unit].perPoint;
  std::strcpy(gPlugin->unitName, kDisplayUnits[unit].name);
  return 1;
}
