#include "simple_grading/size_chart_redraw.h"

#include <algorithm>

#include "common/plugin_globals.h"
#include "simple_grading/simple_grading_object.h"
#include "simple_grading/size_chart.h"
#include "store/art_tags.h"
#include "store/grading_group_tags.h"

void RedrawSizeChart() {
  ArtHandle chart = FindSimpleGradingObject(kSizeChartObject);
  if (chart == nullptr) return;
  const RealRect bounds = GetBounds(chart);
  // The group in memory may be that of the last piece graded: the chart is
  // drawn again with its own group, and with the table as it is now.
  SizeTableRow table[kSizeTableRows];
  std::copy(gPlugin->sizeTable, gPlugin->sizeTable + kSizeTableRows, table);
  LoadGradingGroup(&chart, 1);
  std::copy(table, table + kSizeTableRows, gPlugin->sizeTable);
  DrawSizeChartArtwork(bounds.left, bounds.bottom);
}
