#include "panels/preset_flyout_items.h"

#include "common/host_string.h"
#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "engine/piece_members.h"
#include "engine/preview_builder.h"
#include "panels/inf_panel_list.h"
#include "panels/variable_commands.h"
#include "store/piece_queries.h"
#include "store/text_fields.h"

void RebuildPresetFlyoutItems(FlyoutMenuHandle flyout, uint32_t firstItem) {
  const PluginGlobals* g = gPlugin;
  if (g == nullptr || sAIPanelFlyoutMenu == nullptr || flyout == nullptr) return;
  const AIPanelFlyoutMenuSuite& menu = *sAIPanelFlyoutMenu;
  for (uint32_t slot = 0; slot < kMaxPresets; ++slot) menu.RemoveItem(flyout, firstItem + slot);
  for (uint32_t slot = 0; slot < kMaxPresets && g->presets[slot].empty == 0; ++slot) {
    if (g->presets[slot].enabled == 0) continue;
    char name[kNameSize];
    CopyTextCutValidTrail(name, sizeof name, g->presets[slot].name, sizeof g->presets[slot].name);
    HostString text(name);
    menu.AppendItem(flyout, firstItem + slot, text.get());
  }
  if (g->currentPresetSlot >= 0 && g->currentPresetSlot < kMaxPresets)
    menu.SetItemChecked(flyout, firstItem + static_cast<uint32_t>(g->currentPresetSlot), 1);
}

bool PresetCanBeChosen(int32_t slot) {
  const PluginGlobals& g = *gPlugin;
  return slot >= 0 && slot < kMaxPresets && g.presets[slot].empty == 0 && g.presets[slot].scaleIndex >= 0 &&
         g.presets[slot].scaleIndex < kMaxPresets;
}

void ChoosePresetInFlyout(int32_t slot, FlyoutMenuHandle flyout, uint32_t firstItem, void (*updateOthers)()) {
  PluginGlobals& g = *gPlugin;
  if (slot == g.currentPresetSlot || !PresetCanBeChosen(slot)) return;
  if (sAIPanelFlyoutMenu != nullptr && flyout != nullptr) {
    sAIPanelFlyoutMenu->SetItemChecked(flyout, firstItem + static_cast<uint32_t>(g.currentPresetSlot), 0);
    sAIPanelFlyoutMenu->SetItemChecked(flyout, firstItem + static_cast<uint32_t>(slot), 1);
  }
  g.currentPresetSlot = static_cast<int16_t>(slot);
  g.currentScaleIndex = static_cast<int16_t>(g.presets[slot].scaleIndex);
  updateOthers();
  ShowPieceInCurrentPreset();
  if (sAIUndo != nullptr) sAIUndo->SetSilent(1);
  FillVarList();
}

void ShowPieceInCurrentPreset() {
  LoadPieceFromSelection(0);
  if (HasCurrentPiece()) {
    BuildGradingPreview(0, 0);
    RebuildInfList();
  }
}
