// What the "Update grading" dialog keeps while it runs.
#pragma once

#include <cstdint>

#include "common/grading_records.h"
#include "common/plugin_globals.h"
#include "engine/update_grading.h"
#include "host_types.h"

struct UpdateDialogState {
  PluginRef pluginRef;
  int16_t savedPresetSlot;
  ScalePair savedScales[kMaxPresets];
  LayerHandle targetLayer;
  ArtHandle previewGroup;  // null when none
  ArtHandle* selectedArts;
  int32_t selectedCount;
};

extern UpdateDialogState gUpdateDialog;

// Makes `slot` the current preset, with its scale index.
void MakePresetCurrent(int16_t slot);

// The slot of the last preset that takes part, -1 when none does.
int16_t LastOutputPreset(int16_t mode, int32_t currentSlot);

// Makes each preset that takes part current in slot order, up to the first
// empty slot, and calls `visit`; the current preset is left at the last one.
template <typename Visit>
void ForEachOutputPreset(int16_t mode, int32_t currentSlot, Visit visit) {
  for (int16_t slot = 0; slot < kMaxPresets && gPlugin->presets[slot].empty == 0; ++slot) {
    if (!PresetTakesPart(slot, mode, currentSlot)) continue;
    MakePresetCurrent(slot);
    visit();
  }
}
