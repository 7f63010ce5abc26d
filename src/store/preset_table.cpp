#include "store/preset_table.h"

#include <cstring>

#include "shell/plugin_globals.h"

void ClearPresetTable() {
  std::memset(gPlugin->presets, 0, sizeof gPlugin->presets);
  for (PresetRecord& preset : gPlugin->presets) preset.empty = 1;
}
