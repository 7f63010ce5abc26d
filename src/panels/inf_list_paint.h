// Painting the Information panel's rows: the helpers the row painters share.
#pragma once

#include <cstddef>
#include <cstdint>

#include "common/plugin_globals.h"

struct HDC__;

// "%.2fmm", "%.2fcm" or "%.2fin" of a length in points by `grading_unit`.
void FormatLengthInUnit(double points, char* out, size_t outSize);
// Draws a 32 x 32 module icon centred on the rectangle.
void DrawIconCentered(HDC__* dc, int32_t iconId, const LayoutRect& rect);

// One row being painted.
struct InfRow {
  HDC__* dc;
  LayoutRect rect;
  bool selected;
  int32_t slot;

  int Baseline(int line) const;  // 1 to 3
  void Text(int x, int line, const char* text) const;
  // Right-aligned to end at left + xEnd.
  void TextRight(int xEnd, int baseline, const char* text) const;
  // A localised format filled with values; the unit name follows as plain text.
  void Localized(int x, int line, const char* japanese, double a, double b = 0,
                 const char* suffix = "") const;
  void Length(int labelX, int valueEnd, int line, const char* label, double points) const;
  void WhiteWhenSelected() const;
  // Slot number (or `number`), group mark and member count.
  void Strip(const char* number) const;
  void KindIcon(int32_t iconId) const;
  void Name() const;
};

// The handle rows by kind.
void PaintTwoPointRow(const InfRow& row);
void PaintPointRow(const InfRow& row);
void PaintMeasurementRow(const InfRow& row);
void PaintAngleRow(const InfRow& row);

// The amount for the current preset as a number (0 when the index is outside
// the table).
double CurrentAmount(const RevisionHandle& h);
// grading_compscale, taken as 1 when it is 0 so that no value becomes infinite.
double CompScale();
