#include "simple_grading/simple_grading_measure.h"

#include <cmath>

#include "common/plugin_globals.h"
#include "geometry/point_math.h"
#include "simple_grading/simple_grading_blocks.h"
#include "store/size_table_row.h"

namespace {

constexpr int kMeasuredRows = 4;

double RoundToTenth(double v) { return std::round(v * 10) / 10; }

}  // namespace

double MeasuredLengthMillimetres(const RealPoint& from, const RealPoint& to) {
  return RoundToTenth(DistanceBetween(from, to) / 72 * 25.4);
}

int StoreMeasurementInSizeTable() {
  PluginGlobals& g = *gPlugin;
  const double basicPitch = BasicSizeRow().pitch;
  const int16_t column = g.simpleGrading.grading_measure_type;
  if (basicPitch == 0 || column < 0 || column > 7) return 0;
  for (int row = 0; row < kMeasuredRows; ++row) {
    SizeTableRow& r = g.sizeTable[row];
    const double v = RoundToTenth(g.simpleGrading.measureLength * (100 / basicPitch) * r.pitch / 100);
    // Measure type t is column t + 1, after the pitch; girths are measured
    // across half the body.
    SizeTableCell(r, column + 1) = column == 3 || column == 5 ? 2 * v : v;
  }
  return 1;
}
