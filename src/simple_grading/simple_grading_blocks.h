// Front body, back body and sleeve blocks: their size from the size table,
// where the dividers and the object point sit, and the tagged groups drawn
// for them around the selected piece.
#pragma once

#include <cstdint>

#include "common/plugin_globals.h"
#include "host_types.h"

// A block kind's rotation and percentages. Body blocks: width of the bust
// girth, height of the dress length, bust line up from the bottom in parts of
// the height. Sleeve: cap line down from the top in parts of the length,
// length of the sleeve depth, front and back widths of the dress length.
struct BlockProportions {
  int16_t rotation;
  double width, height, bustPosition;
  double capHeight, length, frontWidth, backWidth;
};
BlockProportions GetBlockProportions(int16_t kind);
void SetBlockProportions(int16_t kind, const BlockProportions& p);

// Reads the block's record into the settings (fields it lacks keep theirs);
// `point` gets the record's object point. 1 when the block exists.
int ReadBlockRecordIntoSettings(int16_t kind, RealPoint* point);

// Front body, back body or sleeve: a kind that draws a block.
bool IsBlockKind(int16_t kind);

// The basic row of the size table (row 0 when the basic size is out of range).
const SizeTableRow& BasicSizeRow();
double MillimetresToPoints(double mm);

// 1 for a divider point that stands for a horizontal line of the rectangle.
int IsHorizontalDivider(const RealRect& rect, const RealPoint& divider);

// Fills the dividers and the object point of the drag state's rectangle from
// the kind's percentages and rotation.
void PlaceBlockDividers(int16_t kind, SimpleGradingDragState* state);

// The block around `piece`, or around the selected paths when it is null.
void BuildSimpleGradingObject(const RealRect& rect, const RealPoint& divider1, const RealPoint* divider2,
                              const RealPoint& point, int16_t kind, ArtHandle piece);
// Redraws the block around the selected paths and regrades its graded piece.
// `point` is relative to the centre of the block's bounds, as in the record.
void ApplySimpleGradingToObject(int16_t kind, const RealPoint& point);
// Front, back then sleeve, each from its own record: the block redrawn around
// its own graded piece, and the graded piece regraded even without a block.
void ReapplySimpleGradingBlocks();

// Both scale pairs of presets 0 to 9 from the pitches of the size table; a
// row without a pitch keeps its scales.
void SetScalesFromPitches();
