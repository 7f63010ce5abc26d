// The columns of a size-table row by number: 0 the pitch, then the eight
// measurements in the order the files, the chart and the dialog give them.
#pragma once

#include "common/plugin_globals.h"

constexpr int kSizeTableColumns = 9;

inline constexpr double SizeTableRow::*kSizeTableColumnFields[kSizeTableColumns] = {
    &SizeTableRow::pitch,         &SizeTableRow::collarWidth, &SizeTableRow::sleeveLength,
    &SizeTableRow::dressLength,   &SizeTableRow::bustGirth,   &SizeTableRow::sleeveDepth,
    &SizeTableRow::shoulderWidth, &SizeTableRow::cuffsWidth,  &SizeTableRow::cuffsHeight,
};

// Column 0 to 8 of the row.
inline double& SizeTableCell(SizeTableRow& row, int column) { return row.*kSizeTableColumnFields[column]; }
inline double SizeTableCell(const SizeTableRow& row, int column) {
  return row.*kSizeTableColumnFields[column];
}
