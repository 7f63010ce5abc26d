#include "panels/inf_flyout_commands.h"

#include "common/host_string.h"
#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "panels/inf_flyout_internal.h"
#include "store/text_fields.h"
#include "tools/basic_settings_dialog.h"

bool ConfirmInfCommand(const char* cp932Text) {
  if (sAIUser == nullptr) return false;
  HostString text(cp932Text);
  int32_t answer = 0;
  if (sAIUser->OKCancelAlert(text.get(), 1, &answer) != kNoErr) return false;
  return answer == 1;
}

void RunInfFlyoutCommand(uint32_t itemId) {
  if (gPlugin == nullptr) return;
  switch (itemId) {
    case 1:
    case 2:
      GroupSelectedHandles(itemId == 1);
      return;
    case 4:
      EditBasicSettings();
      return;
    case 5:
      DeleteObjectTags();
      return;
    case 7:
      RunPresetSetting();
      return;
    case 9:
      CopyPresetAmounts();
      return;
    case 10:
      InitializePreset();
      return;
    default:
      if (itemId >= kFirstPresetItem && itemId < kFirstPresetItem + kMaxPresets)
        ChoosePreset(static_cast<int16_t>(itemId - kFirstPresetItem));
      return;
  }
}

void RebuildPresetFlyoutItems(FlyoutMenuHandle flyout, uint32_t firstItem) {
  const PluginGlobals* g = gPlugin;
  if (g == nullptr || sAIPanelFlyoutMenu == nullptr || flyout == nullptr) return;
  const AIPanelFlyoutMenuSuite& menu = *sAIPanelFlyoutMenu;
  for (uint32_t slot = 0; slot < kMaxPresets; ++slot) menu.RemoveItem(flyout, firstItem + slot);
  for (uint32_t slot = 0; slot < kMaxPresets && g->presets[slot].empty == 0; ++slot) {
    if (g->presets[slot].enabled == 0) continue;
    char name[kNameSize];
    CopyTextCut(name, sizeof name, g->presets[slot].name, sizeof g->presets[slot].name);
    HostString text(name);
    menu.AppendItem(flyout, firstItem + slot, text.get());
  }
  if (g->currentPresetSlot >= 0 && g->currentPresetSlot < kMaxPresets)
    menu.SetItemChecked(flyout, firstItem + static_cast<uint32_t>(g->currentPresetSlot), 1);
}

void UpdateInfFlyoutState() {
  if (gPlugin != nullptr) RebuildPresetFlyoutItems(gPlugin->infFlyout, kFirstPresetItem);
}
