// The preset table as a whole, and the one form of a preset record that the
// preferences file, the preset files and the document's tags all carry:
// "name",h,v,output,scaleIndex,enabled,empty.
#pragma once

#include <cstddef>
#include <cstdint>

#include "common/grading_records.h"

// Every field of the 99 presets set to 0 and every slot marked free.
void ClearPresetTable();

// Moves the current preset slot into the table and onto a preset in use and
// enabled (searching down, then up), and takes that preset's scale index.
void ReseatCurrentPreset();

constexpr int kPresetRecordFields = 7;
// Room for a formatted record: a quoted name of doubled quotes and six numbers.
constexpr size_t kPresetRecordSize = 2 * kNameSize + 96;

// The record of preset `slot`, its scales taken from `presetScale` in single
// precision; empty is always written as 0.
void FormatPresetRecord(int slot, char* out, size_t size);

// The records of one file or one document, gathered by their number (1 to 99)
// before they go into the table.
struct PresetReading {
  enum State : int8_t { kAbsent, kDamaged, kGood };
  State state[kMaxPresets];
  PresetRecord record[kMaxPresets];
  ScalePair scale[kMaxPresets];
  int8_t hasScale[kMaxPresets][2];  // h, v: a field that is no number keeps the table's
};

void BeginPresetReading(PresetReading* reading);

// Decodes record `number` from its seven fields ("" for a missing one). A
// record without a scale index is of the older form: its own slot, enabled,
// in use. A record without a name, whose scale index lies outside the scale
// tables, or marked as a free slot, is damaged. 1 when the record was taken;
// 0 when it was damaged or replaced a record of the same number read before.
int TakePresetRecord(PresetReading* reading, int number, const char* const (&fields)[kPresetRecordFields]);

// Clears the table and fills it from slot 0 in number order, with no free
// slot between presets: a number that was never given, or whose record was
// damaged, takes no slot, so that no preset is lost behind a free slot. Each
// preset keeps its scale index, and with it its scales and amounts.
void PlacePresetRecords(const PresetReading& reading);
