#include "store/display_unit.h"

#include <cstring>

#include "common/plugin_globals.h"

int SetUnitPerPoint(int32_t unit) {
  static constexpr struct {
    double perPoint;
    const char* name;
  } kUnits[] = {{0.35277777777777775, "mm"}, {0.035277777777777776, "cm"}, {0.013888888888888888, "in"}};
  if (gPlugin == nullptr || unit < 0 || unit > 2) return 0;
  gPlugin->unitPerPoint = kUnits[unit].perPoint;
  std::strcpy(gPlugin->unitName, kUnits[unit].name);
  return 1;
}
