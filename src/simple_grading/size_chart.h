// The size table drawn into the document as a chart in the host's gray
// colour, carrying the table as the chart group's grading variables.
#pragma once

#include <cstdint>

#include "host_types.h"

constexpr double kChartHeaderHeight = 67.25;
constexpr double kChartRowHeight = 110.75;
constexpr double kChartWidth = 843.046;
constexpr int kChartColumns = 10;
extern const double kChartColumnEdges[kChartColumns + 1];

enum ChartTextKind : int16_t { kChartHeaderText = 0, kChartNumberText = 1, kChartNameText = 2 };

// Rows drawn: one past the last row with a pitch, 4 when no row has one.
int CountSizeChartRows();

// The chart with its lower left corner at (x, y), in the current layer; an
// older chart is removed.
void DrawSizeChartArtwork(double x, double y);

void SetChartPathStyle(PathStyle* style, int16_t fill, int16_t stroke, float gray);
ArtHandle CreateRectanglePath(ArtHandle group, double left, double top, double width, double height,
                              float gray);
ArtHandle CreateFilledRectanglePath(ArtHandle group, double left, double top, double width, double height);
ArtHandle CreateLinePath(ArtHandle group, double x, double y, double dx, double dy);
ArtHandle CreatePointTextArt(ArtHandle group, double x1, double y1, double x2, double y2, const char* text,
                             int16_t centred, int16_t kind, int16_t highlight);
