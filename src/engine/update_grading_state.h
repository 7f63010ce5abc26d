// What the "Update grading" dialog keeps while it runs.
#pragma once

#include <cstdint>

#include "host_types.h"
#include "store/grading_records.h"

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
