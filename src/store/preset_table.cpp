#include "store/preset_table.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "common/plugin_globals.h"
#include "store/text_fields.h"

void ClearPresetTable() {
  std::memset(gPlugin->presets, 0, sizeof gPlugin->presets);
  for (PresetRecord& preset : gPlugin->presets) preset.empty = 1;
}

void ReseatCurrentPreset() {
  PluginGlobals& g = *gPlugin;
  // A slot outside the table (a damaged preference) starts from the nearest
  // end.
  if (g.currentPresetSlot < 0) g.currentPresetSlot = 0;
  if (g.currentPresetSlot > kMaxPresets - 1) g.currentPresetSlot = kMaxPresets - 1;
  auto unusable = [&](int slot) { return g.presets[slot].empty != 0 || g.presets[slot].enabled == 0; };
  while (g.currentPresetSlot != 0 && unusable(g.currentPresetSlot)) --g.currentPresetSlot;
  while (g.currentPresetSlot != kMaxPresets - 1 && unusable(g.currentPresetSlot)) ++g.currentPresetSlot;
  g.currentScaleIndex = static_cast<int16_t>(g.presets[g.currentPresetSlot].scaleIndex);
}

void FormatPresetRecord(int slot, char* out, size_t size) {
  const PluginGlobals& g = *gPlugin;
  const PresetRecord& p = g.presets[slot];
  char name[kNameSize];
  CopyTextCutValidTrail(name, sizeof name, p.name, sizeof p.name);
  const int scale = p.scaleIndex >= 0 && p.scaleIndex < kMaxPresets ? p.scaleIndex : 0;
  out[0] = '\0';
  AppendQuotedField(out, size, name);
  const size_t used = std::strlen(out);
  std::snprintf(out + used, size - used, ",%g,%g,%d,%d,%d,%d", StoredSinglePrecision(g.presetScale[scale].h),
                StoredSinglePrecision(g.presetScale[scale].v), p.output, p.scaleIndex, p.enabled, 0);
}

void BeginPresetReading(PresetReading* reading) { std::memset(reading, 0, sizeof *reading); }

int TakePresetRecord(PresetReading* reading, int number, const char* const (&fields)[kPresetRecordFields]) {
  if (number < 1 || number > kMaxPresets) return 0;
  const int n = number - 1;
  const bool olderForm = fields[4][0] == '\0';
  const double scaleIndex = olderForm ? n : std::trunc(TextToReal(fields[4]));
  const int16_t empty = olderForm ? 0 : TextToShort(fields[6]);
  if (fields[0][0] == '\0' || scaleIndex < 0 || scaleIndex >= kMaxPresets || empty != 0) {
    // A good record of the same number given before stays.
    if (reading->state[n] != PresetReading::kGood) reading->state[n] = PresetReading::kDamaged;
    return 0;
  }
  const bool replaces = reading->state[n] == PresetReading::kGood;
  PresetRecord& p = reading->record[n];
  std::memset(&p, 0, sizeof p);
  CopyTextCutValidTrail(p.name, sizeof p.name, fields[0]);
  p.scaleIndex = static_cast<int32_t>(scaleIndex);
  p.output = TextToShort(fields[3]);
  p.enabled = olderForm ? 1 : TextToShort(fields[5]);
  reading->hasScale[n][0] = static_cast<int8_t>(ReadLeadingNumber(fields[1], &reading->scale[n].h));
  reading->hasScale[n][1] = static_cast<int8_t>(ReadLeadingNumber(fields[2], &reading->scale[n].v));
  reading->state[n] = PresetReading::kGood;
  return replaces ? 0 : 1;
}

void PlacePresetRecords(const PresetReading& reading) {
  PluginGlobals& g = *gPlugin;
  ClearPresetTable();
  int slot = 0;
  for (int n = 0; n < kMaxPresets; ++n) {
    if (reading.state[n] != PresetReading::kGood) continue;
    const PresetRecord& p = reading.record[n];
    g.presets[slot++] = p;
    if (reading.hasScale[n][0]) g.presetScale[p.scaleIndex].h = reading.scale[n].h;
    if (reading.hasScale[n][1]) g.presetScale[p.scaleIndex].v = reading.scale[n].v;
  }
}
